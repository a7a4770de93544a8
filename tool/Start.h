#pragma once
// Starting the program itself: in its data folder, which is created when missing.

#include <QString>
#include <ostream>

namespace tool {

// The program's executable: $ORDLYKTA_PROGRAM, else where the package installs it beside this
// executable.
QString programPath();

// Creates the data folder when missing and makes it the working folder; false, with the reason
// on `err`, when that fails.
bool enterDataFolder(const QString& dataFolder, std::ostream& err);

// Replaces this process with the program; returns only when that fails, with the reason on
// `err`.
int execProgram(const QString& path, std::ostream& err);

// The start without a subcommand: the program in its data folder. Returns only on failure.
int startProgram(const QString& dataFolder, std::ostream& err);

}  // namespace tool
