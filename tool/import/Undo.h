#pragma once
// Taking an import back, and only the import: the lists it filled go back to what they were and
// the language takes back its name, as long as nothing has changed them since. What a restore
// of a whole snapshot would lose instead is told pair by pair.

#include <QString>
#include <QStringList>

#include "tool/import/Importing.h"

namespace tool {

// What has changed since the import in what it touched (its lists, the language's name), a
// line each; empty when the import can be taken back alone.
QStringList changesSince(const ImportRecord& record);

// Takes the import back: holds the folder, takes a snapshot, and writes the lists as they were
// before and the language's name, leaving everything else as it is now; a file the import made
// is removed when it is again what the import found (no file). Throws Refusal, writing
// nothing, when anything it touched changed since (the message names what) or the folder is
// held.
void undoImport(const ImportRecord& record);

// What restoring the archive at `archive` would lose of the words now, a line each: pairs the
// archive's lists lack, list and language names it would give back. Throws Refusal for an
// archive that cannot be read.
QStringList lostByRestoring(const QString& dataFolder, const QString& archive);

}  // namespace tool
