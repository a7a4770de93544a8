#pragma once
// A test of the whole program: a fresh working folder, the eight screens built as the program
// builds them, scripted dialogs, and the means to act as the user.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <vector>

#include "app/Screens.h"
#include "app/program/Program.h"
#include "memory/Memory.h"
#include "store/File.h"
#include "tests/support/ScriptedDialogs.h"

class QAbstractButton;
class QListWidget;

// Word pairs as a test writes them: the Swedish word and the other word.
using Pairs = std::vector<std::pair<QString, QString>>;

// The pair lines a list box shows for these pairs, in order.
QStringList pairLines(const Pairs& pairs);
// The lines a list box shows.
QStringList linesOf(const QListWidget* list);

class ProgramTest : public ::testing::Test {
  protected:
    // With `keepAnswers` the drill screens keep their answers in the working folder's database
    // (at the clock `now`); without, nothing is kept.
    explicit ProgramTest(bool keepAnswers = true);
    ~ProgramTest() override;

    Screens& screens() { return program_->screens; }
    Navigation& navigation() { return program_->navigation(); }
    Program& program() { return *program_; }

    // Acting as the user.
    static void click(QAbstractButton* button);
    // Types each character as a key press with that text, as a keyboard would.
    static void type(QWidget* widget, const QString& text);
    static void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Files as an earlier run left them, so that nothing is announced: the settings with this
    // current language and these current lists, and a new word-list file for every language.
    void givenSettings(int language = 1, std::array<int, 3> lists = {1, 1, 1});
    // Makes a list of a language hold exactly these pairs (Swedish word, other word), written
    // as the editor writes them; creates the files first where they are missing.
    void givenList(int language, int list, const Pairs& pairs);
    // As "&Fortsätt" does: the menu shows and loads its state from the files.
    void showMenu();
    // From the visible menu to another screen, as the menu's buttons hand over.
    void openFromMenu(QWidget* target);

    // The bytes of a file in the working folder; empty when it is missing.
    static QByteArray fileBytes(const QString& name);
    static void writeFile(const QString& name, const QByteArray& bytes);

    ScriptedDialogs dialogs;
    int quitRequests = 0;
    // The clock of the answers database in the working folder: 2026-12-07 13:00 in UTC+1.
    memory::Moment now{1796644800, 3600};

  private:
    QTemporaryDir dir_;
    QString previousDir_;
    ui::Context context_{dialogs, [this] { ++quitRequests; }};
    memory::Keeper memory_{".", [this] { return now; }};
    std::unique_ptr<Program> program_;
};

// Makes the chosen operations fail for as long as it lives: the `skip`-th matching operation
// (counted from 0) and, with `all`, every later one too.
class FaultInjection {
  public:
    FaultInjection(store::FileOp op, int errorNumber, int skip = 0, bool all = false);
    ~FaultInjection();
    // How many matching operations were seen.
    int seen() const { return *seen_; }

  private:
    std::shared_ptr<int> seen_ = std::make_shared<int>(0);
};

// Counts the file operations of each kind while it lives.
class FileOpCounter {
  public:
    FileOpCounter();
    ~FileOpCounter();
    int count(store::FileOp op) const;

  private:
    using Counts = std::array<int, store::kFileOpCount>;
    std::shared_ptr<Counts> counts_ = std::make_shared<Counts>();
};
