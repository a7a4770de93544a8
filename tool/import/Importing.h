#pragma once
// Importing a file of word pairs into a language, in two steps that print nothing: plan it
// (read the file, detect how it is written, check every pair, place them in lists), then carry
// the plan out (hold the folder, take a snapshot, write). `ordlykta import` is a thin layer over
// these two, and so is any window that imports.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "tool/formats/Formats.h"
#include "tool/import/ImportPlan.h"

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
    // The language, given or told from the file; 0 when neither says (the user chooses).
    int language = 0;
    int list = 0;          // the first list given; 0 for the default
    QString languageName;  // the language's name as planned on
    bool languageGiven = false;
    QString fileLanguage;    // what the file calls its other language, or empty
    QString renameLanguage;  // the new name of a language that still has its first name

    // What was detected (or chosen).
    Format format = Format::Csv;
    Layout layout;

    std::vector<Placement> placements;  // each list: number, name, pairs before, pairs added
    std::vector<LineNote> cut;
    std::vector<LineNote> leftOut;  // on the user's say
    std::vector<LineNote> refused;  // what stops the import
    int emptyRows = 0;              // rows with both sides empty, which are nothing
    int alreadyThere = 0;           // pairs their list holds already, left out
    std::vector<int> heldWhole;     // lists that hold one of the file's lists whole already
    std::vector<PreviewRow> rows;   // the rows as they will be stored, or why not

    // Whole: every row goes in or is left out on the user's say, so it may be carried out.
    bool whole() const { return refused.empty() && !placements.empty(); }

    QByteArray wordListBefore;  // the word list as planned on, to tell a change before writing
};

// The folder's language a file goes into when the user does not say: the one whose name the
// file names (in Swedish, English, its own or by code), else the first that still has its
// first name ("Språk B") and no words, which then takes the file's name for it; else 0.
// `rename` is set to that new name.
int defaultLanguage(const QString& dataFolder, const QStringList& fileLanguages, QString& rename);

// Plans importing the file at `path` into `language` (1..3 or a name; empty: defaultLanguage)
// from `list` (1..98 or a name; empty: the default of `plan` in ImportPlan.h) of the data
// folder. Throws UsageError for an unknown language or list, and Refusal for
// a file that cannot be read at all or holds no rows, or when the lists the pairs need are not
// free. Writes nothing.
ImportPlan planImport(const QString& path, const QString& dataFolder, const QString& language,
                      const QString& list, const ImportChoices& choices);

// What an import did, exactly, so that it can be taken back alone (tool/import/Undo.h): the
// word list and the settings before and after, whole.
struct ImportRecord {
    QString dataFolder;
    QString path;      // the file imported
    QString snapshot;  // of the files as they were before, or empty when there were none
    int language = 0;
    std::vector<Placement> placements;  // lists, pairs before, pairs added, names after
    QStringList namesBefore;            // of the placements' lists
    QString languageBefore;
    QString languageAfter;
    QByteArray wordListBefore;  // empty: there was no file
    QByteArray wordListAfter;
    QByteArray settingsBefore;  // empty: there was no file
    QByteArray settingsAfter;
};

struct ImportDone {
    std::vector<Placement> placements;
    QString snapshot;  // the files as they were before, for `ordlykta restore --latest`; empty
                       // when the folder held no data files
    QStringList filesBefore;  // the data files there were before, by name
    ImportRecord record;
};

// Carries out a whole plan: holds the data folder (making it), takes a snapshot of the data
// files, writes the word list. Throws Refusal, having written nothing, when the plan is not
// whole, the program holds the folder, the word list changed since it was planned on, or the
// snapshot cannot be written.
ImportDone carryOut(const ImportPlan& plan);

}  // namespace tool
