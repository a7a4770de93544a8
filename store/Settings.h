#pragma once
// The settings file agen.dat: one record (store/Layout.h) with the current language, the
// current list of each language and the three language names.

#include <array>
#include <cstdint>
#include <string>

#include "store/DataFiles.h"
#include "store/Records.h"

namespace store {

struct Settings {
    std::int32_t language = 1;                                // 1..3
    std::array<std::int32_t, kLanguageCount> lists{1, 1, 1};  // 1..98 for each language
    std::array<Text, kLanguageCount> names;

    bool operator==(const Settings&) const = default;
};

using SettingsBytes = std::array<unsigned char, kSettingsSize>;
SettingsBytes encode(const Settings& settings);
// A language outside 1..3 or a list outside 1..98 is read as 1.
Settings decode(const SettingsBytes& bytes);

// Language 1, list 1 everywhere, "Språk A", "Språk B", "Språk C".
Settings defaultSettings();

// The settings file of `folder`: "agen.dat" itself for the current folder.
std::string settingsPath(const std::string& folder);

bool settingsExist();
// Reads the settings file of `folder` as last committed; a missing or short file is an IoError.
Settings loadSettings(const std::string& folder = ".");
// The settings file of `folder` read without writing, as last committed, as a reader from
// outside the program reads it: the defaults the program would create when the file is missing,
// cannot be read or is shorter than a record.
Settings readSettingsOrDefaults(const std::string& folder);
// Writes a complete new file with the defaults (through replaceFiles).
void createSettings();
// Overwrites the record of the existing file; a missing file is an error.
void saveSettings(const Settings& settings);

}  // namespace store
