#pragma once
// The answers database in backups: an archive holds a consistent copy of it (taken through
// SQLite's backup API, so also while the program records answers) beside the data files, under
// its own name, and a restore puts it back with them.

#include <QByteArray>
#include <QString>
#include <optional>

#include "tool/DataFiles.h"

namespace tool {

// "ordlykta.db".
QString answersName();
bool isAnswersName(const QString& name);

// No copy of it comes near this: a pupil's answers of years fill a few megabytes.
inline constexpr qint64 kLargestAnswers = 60 * 1024 * 1024;

// A consistent copy of the folder's database; nothing when there is none or it cannot be read
// (a damaged one is the program's to set aside; the data files are backed up all the same).
std::optional<QByteArray> answersCopy(const QString& dataFolder);

// The files with the folder's database added when it is not among them already.
FileSet withAnswers(const QString& dataFolder, FileSet files);

// What SQLite's integrity check finds in a copy, or empty when it is sound.
QString answersDamage(const QByteArray& copy);

// Writes the write-ahead log of the database about to be replaced into it and removes what is
// left of it, which would otherwise be read into the new file (a damaged database's log is in
// the snapshot taken before). Throws Refusal.
void dropAnswersLog(const QString& dataFolder);

}  // namespace tool
