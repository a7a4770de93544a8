#pragma once
// Backups of a data folder: a gzip-compressed tar holding the data files present and a copy of
// the answers database (tool/backup/Answers.h), by their names alone. An archive to restore from is
// read whole and checked before anything is used.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

#include "tool/DataFiles.h"

namespace tool {

// The archive of these files.
QByteArray packArchive(const FileSet& files);

// The member that proves an archive's content: "SHA256  NAME" a line for each data file and
// the database.
inline constexpr const char* kManifestName = "ordlykta.sha256";

// What an archive holds, read to its end: the gzip checksum and length are verified, and the
// manifest (where there is one) against every file.
struct ArchiveContent {
    FileSet files;
    bool hasManifest = false;
    // Files that cannot be restored, by name, with the reason: the wrong size, or not the bytes
    // the manifest names. A file the manifest names that is missing is here too.
    std::map<QString, QString> unsound;
    // Files that `check` would report as damaged, with what is wrong (for the database: what
    // SQLite's integrity check finds); restored only by force.
    std::map<QString, QString> damaged;
};

// Reads the archive at `path`, which must be a gzip-compressed tar of data files only (the
// four names and ordlykta.db without folders, plain files) and the manifest, of bounded size.
// An archive that is not one, is cut short or fails its checksum throws Refusal with the reason.
ArchiveContent readArchive(const QString& path);

// The files of that archive when every one is sound and undamaged; throws Refusal naming the
// first that is not.
FileSet unpackArchive(const QString& path);

}  // namespace tool
