#pragma once
// Starting the program itself: in its data folder, which is created when missing.

#include <QString>
#include <ostream>

namespace tool {

// The program's executable: $ORDLYKTA_PROGRAM, else where the package installs it beside this
// executable.
QString programPath();

// Creates the data folder, changes into it and replaces this process with the program. Returns
// only when that fails, with the reason on `err`.
int startProgram(const QString& dataFolder, std::ostream& err);

}  // namespace tool
