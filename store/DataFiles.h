#pragma once
// The data files of a folder, by name: the settings file and the three word-list files.

#include <array>
#include <string>

#include "store/Settings.h"
#include "store/WordList.h"

namespace store {

inline const std::array<std::string, 1 + kLanguageCount> kDataFileNames{
    kSettingsFileName, wordListFileName(1), wordListFileName(2), wordListFileName(3)};

}  // namespace store
