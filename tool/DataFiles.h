#pragma once
// The data files of a folder as the tool handles them whole: by name, each with its bytes.

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

}  // namespace tool
