#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "app/Unit1.h"
#include "app/program/Program.h"
#include "memory/Memory.h"
#include "store/DataFiles.h"
#include "store/File.h"
#include "store/FolderLock.h"
#include "store/Journal.h"
#include "ui/Dialogs.h"

namespace {

// "--review [1|2|3]": start on today's words of that language (0: the current one); -1 without.
int reviewLanguage(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--review"));
    if (at < 0) {
        return -1;
    }
    return at + 1 < arguments.size() ? std::max(0, arguments[at + 1].toInt()) : 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ui::kApplicationTitle));
    QApplication::setDesktopFileName(QStringLiteral("org.example.ordlykta"));
    QApplication::setQuitOnLastWindowClosed(false);

    ui::QtDialogs dialogs;
    // One program per working folder: a second one would overwrite the first one's changes.
    const store::FolderLock lock(".");
    if (lock.taken()) {
        dialogs.error(QStringLiteral("Programmet körs redan i den här mappen."));
        return 0;
    }
    if (lock.state() == store::FolderLock::State::Held) {
        // Only the holder may tell an interrupted change from one under way: it rolls back a
        // change cut short, finishes a replacement and removes what a creation left.
        try {
            store::recoverFolder(".", store::kDataFileNames);
        } catch (const store::IoError& e) {
            dialogs.error(QString::fromUtf8(e.what()));
        }
    }

    ui::Context context{dialogs, [] { QApplication::exit(0); }};
    // The start screen goes on the display first; the other screens are built as soon as the
    // event loop runs, which is before anything the user does reaches them.
    // The answers database is opened once the first window is on the screen, and made only
    // when the first answer is to be kept.
    memory::Keeper memory(".", memory::systemNow);
    Program program(context, Program::StartFirst{}, memory);
    const int review = reviewLanguage(QApplication::arguments());
    if (review >= 0) {
        memory.open();
        program.startReview(review);
    } else {
        program.screens.start->showCentred();
        QTimer::singleShot(0, [&program, &memory] {
            program.buildScreens();
            memory.open();
        });
    }
    return QApplication::exec();
}
