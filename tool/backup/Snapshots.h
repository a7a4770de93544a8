#pragma once
// Snapshots: archives of the data files that the launcher takes before it starts the program
// and that a restore or a repair takes before it changes anything, kept in the folder
// "backups" inside the data folder. The newest 20 are kept.

#include <QString>
#include <QStringList>

#include "tool/backup/Archive.h"

namespace tool {

inline constexpr int kSnapshotsKept = 20;

QString snapshotFolder(const QString& dataFolder);

// The snapshots' paths, newest first.
QStringList snapshots(const QString& dataFolder);

// Takes a snapshot of the data files present and the answers database (a copy as it is now,
// unless `files` hold one) unless there are no data files or they and the database are byte
// for byte those of the newest snapshot, then removes all but the newest 20. Returns the new
// snapshot's path, or nothing when none was needed; throws Refusal when it cannot be written.
// `reason` says why, kept beside the snapshot (see snapshotReason).
QString takeSnapshot(const QString& dataFolder, const QString& reason = {});
// The same with the data files as they were read before. Snapshots are taken under a lock of
// their own (on the folder "backups"), so that two taken at once write one.
QString takeSnapshot(const QString& dataFolder, const FileSet& files, const QString& reason = {});

// The snapshot that holds `files`, the data files as they are: a new one, or the newest when it
// holds them already; nothing when there are none. Throws Refusal as takeSnapshot does.
QString snapshotHolding(const QString& dataFolder, const FileSet& files,
                        const QString& reason = {});

// Why a snapshot is taken, as kept: a word and what it concerns.
QString reasonAtStart();
QString reasonBeforeImport(const QString& file);
QString reasonBeforeRestore();
QString reasonBeforeRepair();
QString reasonBeforeUndo(const QString& file);
// Why the snapshot at `path` was taken, in words ("before import of glosor.csv"); empty for
// one that does not say (taken before reasons were kept).
QString snapshotReason(const QString& path);

// Removes what an interrupted snapshot left in "backups" (hidden temporary files), under the
// snapshots' lock; returns how many.
int removeSnapshotLeftovers(const QString& dataFolder);

}  // namespace tool
