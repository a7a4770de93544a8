#pragma once
// What the benchmarks share: a scratch working folder and full word-list files.

#include <unistd.h>

#include <filesystem>
#include <string>

#include "store/WordList.h"

namespace bench {

// Makes a fresh folder under the system's temporary folder the working folder while it lives.
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ordlykta-bench-XXXXXX");
        path = mkdtemp(pattern.data());
        std::filesystem::current_path(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

// A new word-list file whose user lists each hold 99 pairs.
inline void fillAllLists(int language) {
    store::createWordList(language);
    store::WordListFile file(language);
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        for (int slot = 1; slot <= store::kMaxPairCount; ++slot) {
            file.write(list, slot, {99, "svenska ord " + std::to_string(slot), "annat ord"});
        }
        file.writeHeader(list, {99, "Lista " + std::to_string(list), std::string(30, ' ')});
    }
    file.close();
}

}  // namespace bench
