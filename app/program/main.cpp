#include <QApplication>
#include <QFile>
#include <QTimer>
#include <algorithm>

#include "app/Unit1.h"
#include "app/program/Program.h"
#include "memory/Memory.h"
#include "memory/PairFile.h"
#include "menu/Unit2.h"
#include "store/Change.h"
#include "store/DataFiles.h"
#include "store/File.h"
#include "store/FolderLock.h"
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

// "--pairs FILE": the review asks exactly the pairs FILE lists (memory/PairFile.h) instead of
// today's due ones. The file is the words' window's hand-over: it is removed once read.
std::optional<std::vector<drill::Words>> givenPairs(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--pairs"));
    if (at < 0 || at + 1 >= arguments.size()) {
        return std::nullopt;
    }
    QFile file(arguments[at + 1]);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::vector<drill::Words>{};
    }
    const QByteArray lines = file.readAll();
    file.remove();
    std::vector<drill::Words> pairs;
    for (memory::PairKey& pair : memory::readPairLines(lines.toStdString(), 0)) {
        pairs.push_back({std::move(pair.swedish), std::move(pair.other)});
    }
    return pairs;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ui::kApplicationTitle));
    QApplication::setDesktopFileName(QStringLiteral("org.example.ordlykta"));
    QApplication::setQuitOnLastWindowClosed(false);

    // Read before anything may end the program, so that the hand-over never stays behind.
    const QStringList arguments = QApplication::arguments();
    auto pairs = givenPairs(arguments);

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
    const int review = reviewLanguage(arguments);
    if (review >= 0) {
        memory.open();
        program.startReview(review, std::move(pairs));
        return QApplication::exec();
    }
    program.screens.start->showCentred();
    // "--screen learn|quiz" (the words' window after an import): on to the current list's learn
    // or quiz screen, through the start screen and the menu as the buttons go.
    const qsizetype screen = arguments.indexOf(QStringLiteral("--screen"));
    const QString target = screen > 0 ? arguments.value(screen + 1) : QString();
    QTimer::singleShot(0, [&program, &memory, target] {
        program.buildScreens();
        memory.open();
        if (target == QLatin1String("learn") || target == QLatin1String("quiz")) {
            program.screens.start->BitBtn1->click();
            program.screens.menu->optKAP->click();
            (target == QLatin1String("quiz") ? program.screens.menu->buttREHEARSE
                                             : program.screens.menu->buttLEARN)
                ->click();
        }
    });
    return QApplication::exec();
}
