#pragma once
// Starting the program itself: in its data folder, which is created when missing.

#include <QString>
#include <QStringList>
#include <ostream>

namespace tool {

// The start without a subcommand: the program in its data folder, given `arguments`. Returns
// only on failure.
int startProgram(const QString& dataFolder, std::ostream& err, const QStringList& arguments = {});

}  // namespace tool
