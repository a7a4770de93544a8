#pragma once
// The window as its command line asks for it: `[--data DIR] [--page PAGE] [FILE]`, FILE a
// path or a file: URL, as a desktop hands it over; PAGE import, export, backups or check.

#include <QStringList>
#include <memory>

namespace window {

class Asker;
class Window;

// The window is Swedish; in an English locale it speaks English. The word lists' code gives
// its reasons in Swedish unless the locale is English. Looks beside the executable, in the
// build tree's tool folder and where the package installs them.
void installTranslations();

// `arguments` begin with the program's name; throws Failure for wrong usage.
std::unique_ptr<Window> startWindow(const QStringList& arguments, Asker& asker);

}  // namespace window
