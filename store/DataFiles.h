#pragma once
// The data files of a folder, by name: the settings file and the three word-list files.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "store/Settings.h"
#include "store/WordList.h"

namespace store {

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

}  // namespace store
