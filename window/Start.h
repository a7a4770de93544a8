#pragma once
// The window as its command line asks for it: `[--data DIR] [FILE]`, FILE a path or a file:
// URL, as a desktop hands it over.

#include <QStringList>
#include <memory>

namespace window {

class Asker;
class Window;

// `arguments` begin with the program's name; throws Failure for wrong usage.
std::unique_ptr<Window> startWindow(const QStringList& arguments, Asker& asker);

}  // namespace window
