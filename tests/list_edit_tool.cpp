// The list editor's changes (editor/ListEdits) on a data folder, for tests of a real filesystem:
//   list_edit_tool DIR setup              agen.dat and bu1.dat, list 5 holding six pairs
//   list_edit_tool DIR append|insert|remove   one change of list 5, as the editor makes it
//   list_edit_tool DIR pairs              list 5 as the editor reads it, a pair a line
// A change holds the folder and recovers first, as the program does. Exit status: 0 done, 3
// refused by the store (its message on standard error), 2 wrong usage.

#include <unistd.h>

#include <iostream>
#include <string>

#include "editor/ListEdits.h"
#include "store/Change.h"
#include "store/FolderLock.h"
#include "store/Settings.h"

namespace {

constexpr int kList = 5;

int change(const std::string& what) {
    const store::FolderLock lock(".");
    store::recoverFolder(".", store::kDataFileNames);
    if (what == "append") {
        listedit::appendPair(1, kList, "ny", "new");
    } else if (what == "insert") {
        listedit::insertPair(1, kList, 2, "in", "inserted");
    } else {
        listedit::removePair(1, kList, 2);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string what = argc == 3 ? argv[2] : "";
    if (what.empty() || ::chdir(argv[1]) != 0) {
        std::cerr << "usage: list_edit_tool DIR setup|append|insert|remove|pairs\n";
        return 2;
    }
    try {
        if (what == "setup") {
            store::createSettings();
            store::createWordList(1);
            for (int i = 1; i <= 6; ++i) {
                listedit::appendPair(1, kList, "ord" + std::to_string(i),
                                     "word" + std::to_string(i));
            }
        } else if (what == "pairs") {
            for (const store::WordRecord& pair : listedit::readPairs(1, kList)) {
                std::cout << pair.first << '\t' << pair.second << '\n';
            }
        } else if (what == "append" || what == "insert" || what == "remove") {
            return change(what);
        } else {
            std::cerr << "unknown: " << what << '\n';
            return 2;
        }
    } catch (const store::IoError& e) {
        std::cerr << e.what() << '\n';
        return 3;
    }
    return 0;
}
