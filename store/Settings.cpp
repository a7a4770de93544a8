#include "store/Settings.h"

#include <algorithm>
#include <vector>

#include "store/File.h"
#include "store/WordList.h"

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
    RecordFile file(settingsPath(folder));
    file.seek(0);
    file.read(bytes);
    file.close();
    return decode(bytes);
}

Settings readSettingsOrDefaults(const std::string& folder) {
    std::vector<unsigned char> bytes;
    try {
        bytes = readFileStart(settingsPath(folder), kSettingsSize);
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
    createFile(kSettingsFileName, [](RecordFile& file) { file.write(encode(defaultSettings())); });
}

void saveSettings(const Settings& settings) {
    RecordFile file(kSettingsFileName);
    file.requireSpace(0, kSettingsSize);
    const Extent record{0, kSettingsSize};
    file.beginChange({&record, 1});
    file.seek(0);
    file.write(encode(settings));
    file.commitChange();
}

}  // namespace store
