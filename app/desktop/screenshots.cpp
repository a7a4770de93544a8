// Pictures of the eight screens for the README: the program is built as it always is, given a
// language with a few lists of real word pairs in a fresh folder, and driven through its own
// widgets into a real state on every screen, which is then saved as a PNG. The drills draw their
// orders from a fixed seed, so that two runs give the same pictures, byte for byte.
// Usage: screenshots OUTPUT_FOLDER (run it on a real display, e.g. under Xvfb).

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <map>
#include <vector>

#include "app/Unit1.h"
#include "app/program/Program.h"
#include "drill/DrillOrder.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "ui/Dialogs.h"
#include "ui/Text.h"

namespace {

using Pairs = std::vector<std::pair<QString, QString>>;

struct List {
    int number;
    QString name;
    Pairs pairs;
};

const std::vector<List> kLists = {
    {1,
     "Djur",
     {{"hund", "dog"},
      {"katt", "cat"},
      {"häst", "horse"},
      {"fågel", "bird"},
      {"ko", "cow"},
      {"får", "sheep"},
      {"gris", "pig"},
      {"mus", "mouse"},
      {"igelkott", "hedgehog"},
      {"älg", "elk"}}},
    {2,
     "Mat och dryck",
     {{"bröd", "bread"},
      {"smör", "butter"},
      {"ost", "cheese"},
      {"mjölk", "milk"},
      {"äpple", "apple"},
      {"kaffe", "coffee"},
      {"smörgås", "sandwich"}}},
    {3,
     "På resa",
     {{"tåg", "train"},
      {"flygplats", "airport"},
      {"biljett", "ticket"},
      {"resväska", "suitcase"},
      {"busshållplats", "bus stop"},
      {"järnvägsstation", "railway station"}}},
};

// The pair the pictures show being added in the editor.
const std::pair<QString, QString> kAdded = {"ekorre", "squirrel"};

// Every box is answered as a user who agrees would: OK, Yes, the text as offered. An error box
// means the pictures show a failure, so it is reported and fails the run.
class AgreeingDialogs : public ui::Dialogs {
  public:
    void notice(const QString&) override {}
    void information(const QString&) override {}
    bool confirm(const QString&) override { return true; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString& text) override {
        return text;
    }
    void error(const QString& text) override {
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
        failed = true;
    }
    bool failed = false;
};

void writeData() {
    store::createSettings();
    for (int language = 1; language <= store::kLanguageCount; ++language) {
        store::createWordList(language);
    }
    store::Settings settings = store::loadSettings();
    settings.names = {ui::toStore("Engelska"), ui::toStore("Tyska"), ui::toStore("Franska")};
    store::saveSettings(settings);
    for (const List& list : kLists) {
        const int count = static_cast<int>(list.pairs.size());
        for (int slot = 1; slot <= count; ++slot) {
            const auto& [swedish, english] = list.pairs[static_cast<std::size_t>(slot - 1)];
            store::writePair(1, list.number, slot,
                             {count, ui::toStore(swedish), ui::toStore(english)});
        }
        store::WordRecord header = store::readHeader(1, list.number);
        header.number = count;
        header.first = ui::toStore(list.name);
        store::writeHeader(1, list.number, header);
    }
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

void press(QAbstractButton* button) {
    button->click();
    settle();
}

// Types as a keyboard does: one key press with its text for each character.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &down);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &up);
    }
    settle();
}

// The English word of a Swedish one, as the lists hold it.
QString englishOf(const QString& swedish) {
    for (const List& list : kLists) {
        for (const auto& [sv, en] : list.pairs) {
            if (sv == swedish) {
                return en;
            }
        }
    }
    return swedish == kAdded.first ? kAdded.second : QString();
}

// Answers the question on screen: right, or with one of the mistakes users make.
void answer(quiz::QuizScreen& quiz, bool right) {
    QString word = englishOf(quiz.lblSVE->text());
    if (!right) {
        word = word.size() > 3 ? word.left(word.size() - 1) : word.toUpper();
    }
    type(quiz.edtFOR, word);
    press(quiz.buttNEXT);
}

bool save(QWidget* screen, const QDir& folder, const QString& name) {
    screen->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!screen->isActiveWindow() && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    settle();
    const QString path = folder.filePath(name + ".png");
    // Compression rather than quality: PNG is lossless either way.
    if (!screen->grab().save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ui::kApplicationTitle));
    // A picture must not depend on when it is taken: the pointer is kept off the screens, so that
    // no button is drawn hovered, and each screen is drawn once it has the focus (below).
    QCursor::setPos(0, 0);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    QTemporaryDir work;
    if (!QDir().mkpath(out.path()) || !work.isValid() || !QDir::setCurrent(work.path())) {
        std::fprintf(stderr, "cannot prepare %s and a working folder\n", qPrintable(out.path()));
        return 1;
    }
    writeData();

    AgreeingDialogs dialogs;
    ui::Context context{dialogs, [] {}};
    Program program(context);
    Screens& s = program.screens;
    // The drills' orders from a fixed seed rather than the clock, so that every run draws the
    // same pictures.
    const auto fixedSeed = [] { return std::uint64_t{20261207}; };
    s.learnList->random() = drill::Random(fixedSeed);
    s.learnRandom->random() = drill::Random(fixedSeed);
    s.quizList->random() = drill::Random(fixedSeed);
    s.quizRandom->random() = drill::Random(fixedSeed);
    bool ok = true;

    s.start->showCentred();
    ok &= save(s.start, out, "1-start");

    press(s.start->BitBtn1);
    ok &= save(s.menu, out, "2-menu");

    // The editor with one pair just added and the next one being typed.
    press(s.menu->bitbtnSAVE);
    type(s.editor->edtSVE, kAdded.first);
    type(s.editor->edtFOR, kAdded.second);
    press(s.editor->buttSPARA);
    type(s.editor->edtSVE, "räv");
    type(s.editor->edtFOR, "fox");
    ok &= save(s.editor, out, "3-editor");

    // Half-way through a drill of the eleven pairs: the sixth pair revealed.
    press(s.editor->bitbuttMENY);
    press(s.menu->buttLEARN);
    for (int i = 0; i < 11; ++i) {
        press(s.learnList->buttNEXT);
    }
    ok &= save(s.learnList, out, "4-learn");

    press(s.learnList->buttMENU);
    press(s.menu->optRANDOM);
    press(s.menu->buttLEARN);
    for (int i = 0; i < 8; ++i) {
        press(s.learnRandom->buttNEXT);
    }
    ok &= save(s.learnRandom, out, "5-learn-ten");

    // A quiz scored with three wrong answers; the last wrong one is selected.
    press(s.learnRandom->buttMENU);
    press(s.menu->buttREHEARSE);
    for (int i = 0; i < 11; ++i) {
        answer(*s.quizList, i != 2 && i != 6 && i != 9);
    }
    ok &= save(s.quizList, out, "6-quiz");

    press(s.quizList->buttMENU);
    press(s.menu->optRANDOM);
    press(s.menu->buttREHEARSE);
    for (int i = 0; i < 4; ++i) {
        answer(*s.quizRandom, i != 1);
    }
    ok &= save(s.quizRandom, out, "7-quiz-ten");

    press(s.quizRandom->buttMENU);
    press(s.menu->bitbutINFO);
    press(s.info->SpeedButton1);
    ok &= save(s.info, out, "8-info");

    return ok && !dialogs.failed ? 0 : 1;
}
