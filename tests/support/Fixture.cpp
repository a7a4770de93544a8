#include "tests/support/Fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "app/Unit1.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "ui/Text.h"

QStringList pairLines(const Pairs& pairs) {
    QStringList lines;
    for (const auto& [swedish, other] : pairs) {
        lines << ui::pairLine(swedish, other);
    }
    return lines;
}

QStringList linesOf(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

ProgramTest::ProgramTest(bool keepAnswers) : previousDir_(QDir::currentPath()) {
    EXPECT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
    program_ = std::make_unique<Program>(context_, keepAnswers ? memory_ : Program::noMemory());
}

ProgramTest::~ProgramTest() {
    program_.reset();
    store::setFaultHook({});
    dialogs.verifyAllShown();
    QDir::setCurrent(previousDir_);
}

void ProgramTest::givenSettings(int language, std::array<int, 3> lists) {
    if (!store::settingsExist()) {
        store::createSettings();
    }
    store::Settings settings = store::loadSettings();
    settings.language = language;
    settings.lists = lists;
    store::saveSettings(settings);
    for (int l = 1; l <= 3; ++l) {
        if (!store::wordListExists(l)) {
            store::createWordList(l);
        }
    }
}

void ProgramTest::givenList(int language, int list, const Pairs& pairs) {
    if (!store::wordListExists(language) || !store::settingsExist()) {
        givenSettings();
    }
    const int count = static_cast<int>(pairs.size());
    for (int slot = 1; slot <= count; ++slot) {
        const auto& [swedish, other] = pairs[static_cast<std::size_t>(slot - 1)];
        store::writePair(language, list, slot, {count, ui::toStore(swedish), ui::toStore(other)});
    }
    store::WordRecord header = store::readHeader(language, list);
    header.number = count;
    store::writeHeader(language, list, header);
}

void ProgramTest::showMenu() {
    Screens& s = screens();
    QWidget* from = s.start;
    QWidget* const screensAfterStart[] = {s.menu,        s.editor,     s.learnList, s.quizList,
                                          s.learnRandom, s.quizRandom, s.info};
    for (QWidget* w : screensAfterStart) {
        if (w->isVisible()) {
            from = w;
        }
    }
    if (from == s.menu) {
        // Shown again in its place, as when coming back from another screen.
        const QPoint place = s.menu->pos();
        s.menu->hide();
        s.menu->show();
        s.menu->move(place);
        return;
    }
    navigation().handOver(*from, *s.menu);
}

void ProgramTest::openFromMenu(QWidget* target) {
    navigation().handOver(*screens().menu, *target);
}

void ProgramTest::click(QAbstractButton* button) {
    ASSERT_TRUE(button->isVisible()) << button->text().toStdString() << " is not visible";
    ASSERT_TRUE(button->isEnabled()) << button->text().toStdString() << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

void ProgramTest::type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ProgramTest::press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

QByteArray ProgramTest::fileBytes(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramTest::writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

FaultInjection::FaultInjection(store::FileOp op, int errorNumber, int skip, bool all) {
    store::setFaultHook([=, seen = seen_](store::FileOp o, const std::string&) {
        if (o != op) {
            return 0;
        }
        const int n = (*seen)++;
        return n == skip || (all && n > skip) ? errorNumber : 0;
    });
}

FaultInjection::~FaultInjection() {
    store::setFaultHook({});
}

FileOpCounter::FileOpCounter() {
    store::setFaultHook([counts = counts_](store::FileOp op, const std::string&) {
        ++(*counts)[static_cast<std::size_t>(op)];
        return 0;
    });
}

FileOpCounter::~FileOpCounter() {
    store::setFaultHook({});
}

int FileOpCounter::count(store::FileOp op) const {
    return (*counts_)[static_cast<std::size_t>(op)];
}
