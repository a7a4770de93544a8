#pragma once
// Backups of a data folder: a gzip-compressed tar holding the data files present, by their
// names alone. An archive to restore from is read whole and checked before anything is used.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

namespace tool {

// Data files by name ("agen.dat", "bu1.dat", ...), each with its bytes.
using FileSet = std::map<QString, QByteArray>;

// The files' names, in order.
QStringList namesOf(const FileSet& files);

// The data files present in `folder`; throws Refusal when one cannot be read.
FileSet readDataFiles(const QString& folder);

// The archive of these files.
QByteArray packArchive(const FileSet& files);

// The files of the archive at `path`, which must be a gzip-compressed tar of data files only:
// the four names without folders, each a plain file of its size (112 bytes for agen.dat,
// 680,000 for a word-list file), at most 4 MB in all. Anything else throws Refusal with the
// reason.
FileSet unpackArchive(const QString& path);

}  // namespace tool
