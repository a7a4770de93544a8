#pragma once
// The window as its command line asks for it: `[--data DIR] [--page PAGE] [FILE]`, FILE a
// path or a file: URL, as a desktop hands it over; PAGE import, export, backups, check or progress.

#include <QStringList>
#include <memory>

namespace window {

class Asker;
class Window;

// The window is Swedish; in an English locale it speaks English. The word lists' code gives
// its reasons, and Qt its dialogs, in Swedish unless the locale is English. Looks beside the
// executable, in the build tree's tool and window folders and where the package installs them.
// Called again after the locale changed, it takes the catalogues of the new one.
void installTranslations();

// `arguments` begin with the program's name; throws Failure for wrong usage.
std::unique_ptr<Window> startWindow(const QStringList& arguments, Asker& asker);

}  // namespace window
