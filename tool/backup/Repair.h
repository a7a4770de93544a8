#pragma once
// What `check` looks for in the data files, and what `check --fix` mends: only what the program
// already reads one way, so that nothing the user sees changes, and words' leading and trailing
// spaces, which make a right answer count as wrong.

#include <vector>

#include "tool/DataFiles.h"

namespace tool {

struct Finding {
    enum Kind {
        WrongSize,        // value: the file's size; never mended
        CountOutOfRange,  // value: the list's count
        LongLength,       // value: the length byte; field: 1 the first text, 2 the second
        LanguageOutOfRange,
        ListOutOfRange,   // value: the current list of `language`
        Spaces,           // field: 1 the Swedish word, 2 the other word
        SameSwedishWord,  // value: the earlier pair with that word; never mended
    };
    Kind kind;
    QString file;
    int language = 0;  // 0 where none applies
    int list = 0;      // 0 where none applies
    int pair = 0;      // 0 where none applies (a list's header, the settings)
    int field = 0;
    int value = 0;

    bool mendable() const { return kind != WrongSize && kind != SameSwedishWord; }
};

std::vector<Finding> findProblems(const FileSet& files);

// "bu1.dat, language 1, list 5, pair 3" as far as they apply.
QString placeOf(const Finding& finding);
// What is wrong, in a few words: "the list counts 5000 pairs, outside 0 to 99".
QString describeFinding(const Finding& finding);

// The files that mending changes, each whole and mended; a file of the wrong size is left out.
FileSet mend(const FileSet& files);

}  // namespace tool
