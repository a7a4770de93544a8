#pragma once
// An import planned whole before anything is written: the words checked against what the word
// lists can hold, then every pair given its list.

#include <QString>
#include <QStringList>
#include <vector>

#include "store/WordListImage.h"
#include "tool/formats/Formats.h"

namespace tool {

struct WordRules {
    bool cut = false;              // cut words longer than 30 characters instead of refusing
    bool skipUnsupported = false;  // leave out pairs Windows-1252 cannot hold instead of refusing
    bool skipBadRows = false;      // leave out rows that are no pair instead of refusing
};

// The pairs that can be written, and what happened to the others.
struct CheckedSource {
    bool named = false;
    std::vector<WordList> lists;    // words in Unicode, each fit for a word list
    std::vector<LineNote> refused;  // what stops the import
    std::vector<LineNote> cut;      // words cut to 30 characters, list names made to fit
    std::vector<LineNote> leftOut;  // pairs and rows left out as the rules say
};

// "line N: text", or the text alone for a note of no line; control characters escaped.
QString noteText(const LineNote& note);
QStringList noteTexts(const std::vector<LineNote>& notes);

// Removes white space around words and applies `rules` to rows that are no pair (one field,
// an empty side, the source's `bad`) and to words that do not fit. Lists without a name take
// `fallbackName`.
CheckedSource check(const Source& source, const WordRules& rules, const QString& fallbackName);

struct Placement {
    int list = 0;
    bool rename = false;
    QString name;
    int countBefore = 0;
    std::vector<Pair> pairs;
};

// Where every pair goes, starting at `list`. Throws Refusal when the lists it needs are not
// free.
std::vector<Placement> plan(const store::WordListImage& image, int list,
                            const CheckedSource& source);

// Writes the plan into the image, as the list editor appends.
void apply(store::WordListImage& image, const std::vector<Placement>& placements);

}  // namespace tool
