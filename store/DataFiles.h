#pragma once
// The data files of a folder, by name: the settings file and the three word-list files, and the
// fixed size of each, which a change in place never alters.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "store/Layout.h"

namespace store {

inline constexpr const char* kSettingsFileName = "agen.dat";

// The file name of language 1, 2 or 3: "bu1.dat".
inline std::string wordListFileName(int language) {
    return "bu" + std::to_string(language) + ".dat";
}

// The language whose word-list file has that name (without a folder), or 0.
inline int languageOfFileName(const std::string& name) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        if (name == wordListFileName(language)) {
            return language;
        }
    }
    return 0;
}

inline const std::array<std::string, 1 + kLanguageCount> kDataFileNames{
    kSettingsFileName, wordListFileName(1), wordListFileName(2), wordListFileName(3)};

// Whether `name` is one of those four names.
inline bool isDataFileName(const std::string& name) {
    return std::find(kDataFileNames.begin(), kDataFileNames.end(), name) != kDataFileNames.end();
}

// The size of the data file of that name: the settings record, else a whole word-list file.
inline std::int64_t dataFileSize(const std::string& name) {
    return name == kSettingsFileName ? kSettingsSize : kWordListFileSize;
}

// What a data file is made of: its size, and the size of the records every change of it writes
// whole.
struct FileShape {
    std::int64_t size = 0;
    std::int64_t record = 0;
};

// The shape of the data file of that name (without a folder), or nothing for another name.
inline std::optional<FileShape> dataFileShape(const std::string& name) {
    if (!isDataFileName(name)) {
        return std::nullopt;
    }
    return name == kSettingsFileName ? FileShape{kSettingsSize, kSettingsSize}
                                     : FileShape{kWordListFileSize, kRecordSize};
}

}  // namespace store
