#pragma once
// Importing a file of word pairs into a language, in two steps that print nothing: plan it
// (read the file, detect how it is written, check every pair, place them in lists), then carry
// the plan out (hold the folder, take a snapshot, write). `ordlykta import` is a thin layer over
// these two, and so is any window that imports.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "tool/import/ImportPlan.h"
#include "tool/formats/Formats.h"

namespace tool {

// What the user says, over what would be detected.
struct ImportChoices {
    std::optional<Format> format;  // Kvtml, Anki or Csv
    TextChoices text;              // encoding, separator, header row, Swedish column
    WordRules rules;               // cut, skip unsupported, skip bad rows
};

struct ImportPlan {
    QString path;
    QString dataFolder;
    int language = 0;
    int list = 0;  // the first list

    // What was detected (or chosen).
    Format format = Format::Csv;
    Layout layout;

    std::vector<Placement> placements;  // each list: number, name, pairs before, pairs added
    std::vector<LineNote> cut;
    std::vector<LineNote> leftOut;  // on the user's say
    std::vector<LineNote> refused;  // what stops the import

    // Whole: every row goes in or is left out on the user's say, so it may be carried out.
    bool whole() const { return refused.empty() && !placements.empty(); }

    QByteArray wordListBefore;  // the word list as planned on, to tell a change before writing
};

// Plans importing the file at `path` into `language` (1..3 or a name) from `list` (1..98 or a
// name) of the data folder. Throws UsageError for an unknown language or list, and Refusal for
// a file that cannot be read at all or holds no rows, or when the lists the pairs need are not
// free. Writes nothing.
ImportPlan planImport(const QString& path, const QString& dataFolder, const QString& language,
                      const QString& list, const ImportChoices& choices);

struct ImportDone {
    std::vector<Placement> placements;
    QString snapshot;  // the files as they were before, for `ordlykta restore --latest`; empty
                       // when the folder held no data files
    QStringList filesBefore;  // the data files there were before, by name
};

// Carries out a whole plan: holds the data folder (making it), takes a snapshot of the data
// files, writes the word list. Throws Refusal, having written nothing, when the plan is not
// whole, the program holds the folder, the word list changed since it was planned on, or the
// snapshot cannot be written.
ImportDone carryOut(const ImportPlan& plan);

}  // namespace tool
