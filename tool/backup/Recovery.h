#pragma once
// Restoring, listing archives and checking, for the commands and for the words' window alike:
// no printing here, every outcome is returned (or thrown as Refusal with the reason).

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "tool/backup/Archive.h"
#include "tool/backup/Repair.h"

namespace tool {

// What a lock holder does first: rolls back a change in place cut short, finishes a
// replacement of files, removes leftovers of interrupted creations (also in "backups").
// Throws Refusal.
void recoverDataFolder(const QString& dataFolder);

// Puts these files into the data folder all at once: wholly the old files or wholly the new
// ones whatever fails. Throws Refusal naming the reason.
void replaceDataFiles(const QString& dataFolder, const FileSet& files);

// Removes these data files ("bu2.dat", ...) one by one: what an undo does with a file that was
// not there before (the program makes a missing one afresh). Throws Refusal naming the first
// that stays.
void removeDataFiles(const QString& dataFolder, const QStringList& names);

struct RestoreOptions {
    QString archive;     // empty: the newest snapshot that can be restored
    QString only;        // a data file's name or ordlykta.db: restore that one alone
    bool force = false;  // restore files that `check` would report as damaged
};

struct RestoreResult {
    QString archive;          // restored from
    QStringList restored;     // the files written
    QStringList unchanged;    // files of the archive that were the same already
    QString snapshotBefore;   // the files as they were, or empty when no snapshot was needed
    QStringList filesBefore;  // the data files there were before, by name
    QStringList passedOver;   // newer snapshots not taken, each "path: reason"
};

// Restores into `dataFolder`, whose lock the caller holds. Everything is checked before
// anything is written; a snapshot of the files as they are comes first. The answers database
// goes back with the data files when the archive holds it; one that does not (older archives)
// leaves the database as it is. Throws Refusal.
RestoreResult restoreArchive(const QString& dataFolder, const RestoreOptions& options);

struct ArchiveSummary {
    QString path;
    QDateTime taken;        // when the archive was written
    qint64 size = 0;        // bytes
    QStringList files;      // the data files it holds
    QStringList differing;  // of those, the ones that differ from the folder now
    QString problem;        // why it cannot be restored as it is, or empty
    QString reason;         // why it was taken ("before restore"), or empty when not kept
};

// The snapshots of the folder, newest first.
std::vector<ArchiveSummary> listSnapshots(const QString& dataFolder);
// One archive (a backup anywhere) against the folder.
ArchiveSummary summarize(const QString& archivePath, const QString& dataFolder);

struct CheckFinding {
    Finding finding;
    QString place;  // "bu1.dat, language 1, list 5, pair 3"
    QString text;   // what is wrong
};

struct CheckResult {
    std::vector<CheckFinding> findings;
    QStringList filesBefore;  // the data files there were, by name, before any was mended
    QStringList mended;       // with fix: the files mended
    QString snapshotBefore;   // with fix: the files as they were
    // For each file of the wrong size: the newest snapshot that holds a sound copy of it
    // (restore it with --only), or empty when none does.
    std::map<QString, QString> soundCopies;
    // Journals beside data files that are whole but never written back: of another file, of
    // another size, or with extents off the file's records.
    QStringList journalsLeftAlone;
    bool allMended() const;
};

// Checks the data files; with `fix` (the caller holds the lock) mends what can be mended, all
// files at once, after a snapshot. Throws Refusal.
CheckResult checkFolder(const QString& dataFolder, bool fix);

}  // namespace tool
