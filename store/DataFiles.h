#pragma once
// The data files of a folder, by name: the settings file and the three word-list files.

#include <array>
#include <string>

namespace store {

inline const std::array<std::string, 4> kDataFileNames{"agen.dat", "bu1.dat", "bu2.dat", "bu3.dat"};

}  // namespace store
