#pragma once
// The data folder as the tool sees it: language names, word-list files and the texts in them,
// converted between the files' Windows-1252 and Unicode.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "store/Settings.h"
#include "store/WordListImage.h"
#include "text/Text.h"

namespace tool {

struct Pair {
    QString swedish;
    QString other;
};

struct WordList {
    QString name;
    std::vector<Pair> pairs;
};

// A language's lists, as exported.
struct Lists {
    QString language;
    std::vector<WordList> lists;
};

// The one conversion between Unicode and the files' Windows-1252.
using text::fromStore;
using text::toStore;
using text::unsupportedCharacter;

class DataFolder {
  public:
    explicit DataFolder(const QString& path);

    const QString& path() const { return path_; }
    std::string file(const std::string& name) const;

    // agen.dat, or the defaults the program would create when it is missing or damaged.
    const store::Settings& settings() const { return settings_; }
    QString languageName(int language) const;

    bool hasWordList(int language) const;
    // The language's word-list file, or the empty one the program would create when it is
    // missing. Throws Refusal for a file that cannot be read or is damaged.
    store::WordListImage wordList(int language) const;

    // A language by number (1..3) or by name, without regard to case; throws UsageError.
    int language(const QString& given) const;

  private:
    QString path_;
    store::Settings settings_;
};

// A list by number (1..98) or by name, without regard to case; throws UsageError.
int findList(const store::WordListImage& image, const QString& given);

WordList readList(const store::WordListImage& image, int list);
// Names list `list` of `image` and appends the pairs of `words` to it, as the editor would.
void writeList(store::WordListImage& image, int list, const WordList& words);

// What an export of a language holds: list `list` only, or every list that holds pairs.
Lists listsOf(const QString& language, const store::WordListImage& image, std::optional<int> list);

}  // namespace tool
