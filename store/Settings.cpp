#include "store/Settings.h"

#include "store/File.h"
#include "store/WordList.h"

namespace store {
namespace {

constexpr int kNamesOffset = 16;

std::int32_t orOne(std::int32_t value, std::int32_t last) {
    return value >= 1 && value <= last ? value : 1;
}

}  // namespace

SettingsBytes encode(const Settings& settings) {
    SettingsBytes bytes{};
    putInt32(bytes, settings.language);
    for (int i = 0; i < kLanguageCount; ++i) {
        putInt32(std::span(bytes).subspan(4 + 4 * i), settings.lists[i]);
        putShortString(std::span(bytes).subspan(kNamesOffset + kShortStringSize * i),
                       settings.names[i]);
    }
    return bytes;
}

Settings decode(const SettingsBytes& bytes) {
    Settings settings;
    settings.language = orOne(getInt32(bytes), kLanguageCount);
    for (int i = 0; i < kLanguageCount; ++i) {
        settings.lists[i] = orOne(getInt32(std::span(bytes).subspan(4 + 4 * i)), kLastUserList);
        settings.names[i] =
            getShortString(std::span(bytes).subspan(kNamesOffset + kShortStringSize * i));
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

Settings loadSettings() {
    SettingsBytes bytes{};
    RecordFile file(kSettingsFileName);
    file.seek(0);
    file.read(bytes);
    file.close();
    return decode(bytes);
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
