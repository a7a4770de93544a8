#pragma once
// Everything the window asks of the word lists' code (tool/): one adapter, so that the window
// knows its operations and not the tool's files. Each call reads or writes the data folder as
// the matching command does; a writing one holds the folder's lock and throws Failure while
// the trainer holds it.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "memory/Database.h"
#include "tool/formats/Formats.h"

namespace tool {
struct ImportPlan;
struct ImportRecord;
}  // namespace tool

namespace window {

// What went wrong, in words for a message box.
class Failure : public std::runtime_error {
  public:
    explicit Failure(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

struct ListInfo {
    int number = 0;
    QString name;
    int count = 0;
};

struct ImportChoice {
    QString path;
    int language = 0;                    // 0: the language the file names (or a free one)
    int firstList = 0;                   // 0: the first empty list, named after the file
    std::optional<tool::Format> format;  // nothing: as the file's name and contents tell
    // Of a text file ("UTF-8", "Windows-1252"); nothing: as a byte-order mark says, else UTF-8
    // when the bytes are UTF-8, else Windows-1252.
    std::optional<QString> encoding;
    std::optional<QChar> separator;    // of a text file; nothing: as the file says
    std::optional<bool> header;        // the first row is (true) or is not a header
    std::optional<int> swedishColumn;  // from 1; nothing: as the file says
    bool cut = false;
    bool skipUnsupported = false;
    bool skipBadRows = false;  // rows that are no pair
};

// What was read from the file's name and contents.
struct Detected {
    tool::Format format = tool::Format::Csv;
    QString encoding;   // "UTF-8", "UTF-8 med BOM", "Windows-1252", ...
    QString separator;  // "komma", "tabb", ...; empty for KVTML
    bool header = false;
    int swedishColumn = 1;
};

// What the window says while the trainer holds the data folder: a writing operation's refusal,
// and the banner over the pages.
QString folderBusyText();

// A text file's separator as the window names it: "komma", "tabb", ...
QString separatorName(QChar separator);

struct TargetList {
    int list = 0;
    QString name;
    int added = 0;
    int total = 0;
};

// A pair that is not imported as it stands: left out, cut, or refusing the whole import.
struct RowNote {
    enum Kind { LeftOut, Cut, Refused };
    Kind kind;
    int line = 0;  // 0 where no line applies (a list's name)
    QString reason;
};

// A row of the file as it will be stored, or why it is left out (`reason` empty: it goes in).
struct PreviewPair {
    QString swedish;
    QString other;
    QString reason;
};

// What an import would do, and the plan that does exactly that.
struct ImportPreview {
    std::optional<Detected> detected;
    int language = 0;        // where the pairs go; 0: the user must choose
    QString renameLanguage;  // the language's new name, when it takes the file's
    std::vector<TargetList> targets;
    std::vector<RowNote> notes;
    std::vector<PreviewPair> pairs;  // in the file's order
    int emptyRows = 0;               // rows with both sides empty, passed over
    int alreadyThere = 0;            // pairs their list holds already
    QString heldBy;   // the list that holds every pair already ("2 \"v12\""), or empty
    QString problem;  // why nothing can be imported, or empty
    std::shared_ptr<const tool::ImportPlan> plan;
    bool whole() const { return problem.isEmpty() && plan; }
};

// What an import, a restore or a repair left for "Ångra": the snapshot of the files as they were
// (empty when there were none) and their names.
struct Undo {
    QString snapshot;
    QStringList filesBefore;
};

struct ImportDone {
    std::vector<TargetList> targets;
    int language = 0;
    std::shared_ptr<const tool::ImportRecord> record;  // what "Ångra" takes back
};

// What taking an import back did: done, or refused with what changed since and what a restore
// of the snapshot taken before it would lose instead.
struct ImportUndone {
    bool done = false;
    QStringList changes;
    QStringList lost;
    Undo back;  // to the snapshot: its files, and the data files it does not hold removed
};

struct BackupRow {
    bool snapshot = true;  // taken by ordlykta itself; else a backup the user saved
    QString path;
    QDateTime taken;     // local time
    QStringList differ;  // the data files whose bytes differ from the folder's now
    qint64 size = 0;
    QString problem;  // why it cannot be restored, or empty
    QString reason;   // why the snapshot was taken ("före import av glosor.csv"), or empty
};

struct CheckRow {
    QString file;
    int language = 0;
    int list = 0;
    int firstPair = 0;
    int lastPair = 0;
    QString text;  // "par 2–99: samma svenska ord som par 1"
    bool mendable = false;
    // Of a file of the wrong size: the newest snapshot that holds a sound copy of it, and when
    // it was taken; empty when none does.
    QString soundCopy;
    QDateTime soundCopyTaken;
};

class Operations {
  public:
    explicit Operations(QString dataFolder);
    const QString& dataFolder() const { return data_; }

    // True while another process (the trainer) holds the data folder.
    bool folderBusy() const;

    QStringList languageNames() const;
    std::vector<ListInfo> lists(int language) const;

    ImportPreview previewImport(const ImportChoice& choice) const;
    // Carries out the plan the preview showed; throws Failure, having written nothing, when
    // the words of its language changed since.
    ImportDone import(const ImportPreview& preview);
    // Takes back exactly that import when nothing it touched changed since; else says what did.
    ImportUndone undoImport(const tool::ImportRecord& record);
    // Makes `language` and `list` the trainer's current ones, as its menu does.
    void makeCurrent(int language, int list);
    // Starts the trainer in the data folder (after a snapshot, as the launcher does) on the
    // current list's learn or quiz screen; $ORDLYKTA_PROGRAM names it, else it lies beside
    // this program (or in the build tree's app/program).
    void startTrainer(bool quiz);
    // Starts the trainer as startTrainer does on "Repetera dagens ord" of `language`: today's
    // due pairs, or exactly the pairs `only` gives, handed over in a file in the data folder
    // that the trainer removes once read.
    void startReview(int language,
                     const std::optional<std::vector<memory::PairKey>>& only = std::nullopt);

    QByteArray exportBytes(int language, std::optional<int> list, const tool::ExportChoice& choice,
                           bool askOther = false,
                           std::optional<unsigned> shuffleSeed = std::nullopt) const;
    // Writes `bytes` whole to `path`.
    static void save(const QString& path, const QByteArray& bytes);

    // The snapshots and those of the backups saved at `saved` that are still there, newest
    // first.
    std::vector<BackupRow> backups(const QStringList& saved = {}) const;
    // The data files that `archive` would change; throws Failure for an archive unfit to restore.
    QStringList changesOf(const QString& archive) const;
    // All or nothing: every file of the archive, checked, or none; with `only` that data file
    // of it alone.
    Undo restore(const QString& archive, const QString& only = {});
    // Puts the files back as they were, all at once; data files that were not there go after.
    void undo(const Undo& undo);
    void saveBackup(const QString& path) const;

    std::vector<CheckRow> check() const;
    Undo mend();

  private:
    void startTrainer(const QStringList& arguments);

    QString data_;
};

}  // namespace window
