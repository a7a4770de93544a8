#include "store/Settings.h"

#include <algorithm>
#include <vector>

#include "store/Change.h"
#include "store/File.h"

namespace store {
namespace {

std::int32_t orOne(std::int32_t value, std::int32_t last) {
    return value >= 1 && value <= last ? value : 1;
}

}  // namespace

SettingsBytes encode(const Settings& settings) {
    SettingsBytes bytes{};
    putInt32(currentLanguageField(bytes), settings.language);
    for (int language = 1; language <= kLanguageCount; ++language) {
        const std::size_t i = std::size_t(language - 1);
        putInt32(currentListField(bytes, language), settings.lists[i]);
        putShortString(languageNameField(bytes, language), settings.names[i]);
    }
    return bytes;
}

Settings decode(const SettingsBytes& bytes) {
    Settings settings;
    settings.language = orOne(getInt32(currentLanguageField(bytes)), kLanguageCount);
    for (int language = 1; language <= kLanguageCount; ++language) {
        const std::size_t i = std::size_t(language - 1);
        settings.lists[i] = orOne(getInt32(currentListField(bytes, language)), kLastUserList);
        settings.names[i] = getShortString(languageNameField(bytes, language));
    }
    return settings;
}

Settings defaultSettings() {
    // "Språk A": the å is the single byte E5.
    return {1, {1, 1, 1}, {"Spr\xE5k A", "Spr\xE5k B", "Spr\xE5k C"}};
}

bool settingsExist() {
    return fileExists(kSettingsFileName);
}

std::string settingsPath(const std::string& folder) {
    return folder == "." ? std::string(kSettingsFileName) : folder + "/" + kSettingsFileName;
}

Settings loadSettings(const std::string& folder) {
    SettingsBytes bytes{};
    const std::string path = settingsPath(folder);
    RecordFile file(path);
    file.seek(0);
    file.read(bytes);
    file.close();
    if (const auto committed = fittingJournal(path)) {
        layOver(*committed, 0, bytes);
    }
    return decode(bytes);
}

Settings readSettingsOrDefaults(const std::string& folder) {
    std::vector<unsigned char> bytes;
    try {
        bytes = readCommitted(settingsPath(folder), kSettingsSize);
    } catch (const IoError&) {
        return defaultSettings();
    }
    if (bytes.size() != std::size_t{kSettingsSize}) {
        return defaultSettings();
    }
    SettingsBytes record{};
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return decode(record);
}

void createSettings() {
    const SettingsBytes bytes = encode(defaultSettings());
    const NewFile file{kSettingsFileName, bytes};
    replaceFiles(".", {&file, 1});
}

void saveSettings(const Settings& settings) {
    RecordFile file(kSettingsFileName);
    const Extent record{0, kSettingsSize};
    Change change(file, {&record, 1});
    change.write(0, encode(settings));
    change.commit();
}

}  // namespace store
