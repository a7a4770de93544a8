// Fuzz target: the input becomes the four data files (any length, damaged or not) and a
// sequence of user actions, which then run headless through the real screens: the menu with its
// language and list choices and renames, the editor, both learn and both quiz screens, the
// info pages. Any crash, hang or sanitizer report is a finding.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cstdint>
#include <cstdlib>

#include "app/Unit1.h"
#include "app/program/Program.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"
#include "store/Cp1252.h"
#include "store/Settings.h"
#include "store/WordList.h"

namespace {

// Reads the input front to back; an exhausted input reads as zeros.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    int byte() { return at_ < size_ ? data_[at_++] : 0; }
    int number(int bytes) {
        int n = 0;
        for (int i = 0; i < bytes; ++i) {
            n = n * 256 + byte();
        }
        return n;
    }
    bool done() const { return at_ >= size_; }
    QByteArray bytes(int n) {
        QByteArray out;
        for (int i = 0; i < n && !done(); ++i) {
            out += char(byte());
        }
        return out;
    }
    // A text of up to 40 characters the files' code page can hold.
    QString text() {
        QString t;
        for (int n = byte() % 41; n > 0; --n) {
            t += QChar(static_cast<char16_t>(store::cp1252::toUnicode(std::uint8_t(byte()))));
        }
        return t;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Answers every box from the input.
class FuzzDialogs : public ui::Dialogs {
  public:
    explicit FuzzDialogs(Input*& in) : in_(in) {}
    void notice(const QString&) override {}
    void information(const QString&) override {}
    void error(const QString&) override {}
    bool confirm(const QString&) override { return in_->byte() & 1; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        if (in_->byte() & 1) {
            return std::nullopt;
        }
        return in_->text();
    }

  private:
    Input*& in_;
};

void writeFile(const char* name, const QByteArray& bytes) {
    QFile f(QString::fromLatin1(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
}

QByteArray readFile(const char* name) {
    QFile f(QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// agen.dat: missing, raw bytes, or the defaults with some bytes changed.
void makeSettings(Input& in) {
    switch (in.byte() % 4) {
        case 0:
            return;
        case 1:
            writeFile(store::kSettingsFileName, in.bytes(in.byte()));
            return;
        default: {
            store::SettingsBytes b = store::encode(store::defaultSettings());
            for (int n = in.byte() % 16; n > 0; --n) {
                b[std::size_t(in.byte() % store::kSettingsSize)] = std::uint8_t(in.byte());
            }
            writeFile(store::kSettingsFileName,
                      QByteArray(reinterpret_cast<char*>(b.data()), qsizetype(b.size())));
        }
    }
}

// A word-list file: missing, raw short bytes, a new file with lists filled and bytes changed,
// or such a file cut short.
void makeWordList(Input& in, int language) {
    const std::string name = store::wordListFileName(language);
    const int kind = in.byte() % 5;
    if (kind == 0) {
        return;
    }
    if (kind == 1) {
        writeFile(name.c_str(), in.bytes(in.number(2) % 3000));
        return;
    }
    store::createWordList(language);
    {
        store::WordListFile file(language);
        for (int n = in.byte() % 12; n > 0; --n) {
            const int list = in.byte() % store::kListCount;
            const int count = in.byte();  // up to 255: damaged counts too
            for (int slot = 1; slot <= std::min(count, store::kMaxPairCount); ++slot) {
                file.write(list, slot,
                           {count, "sv" + std::to_string(slot), "fr" + std::to_string(slot)});
            }
            store::WordRecord header = file.readHeader(list);
            header.number = count;
            file.writeHeader(list, header);
        }
        file.close();
    }
    QByteArray bytes = readFile(name.c_str());
    for (int n = in.byte() % 8; n > 0; --n) {
        const int record = in.number(2) % (store::kListCount * store::kSlotsPerList);
        const int offset = record * store::kRecordSize + in.byte() % store::kRecordSize;
        const QByteArray patch = in.bytes(in.byte() % 6);
        bytes.replace(offset, std::min<qsizetype>(patch.size(), bytes.size() - offset), patch);
    }
    if (kind == 4) {
        bytes.truncate(in.number(3) % store::kWordListFileSize);
    }
    writeFile(name.c_str(), bytes);
}

// How many of the data files (or their temporary files) this process holds open.
int openDataFiles() {
    int open = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        open += target.endsWith(QLatin1String(".dat")) || target.endsWith(QLatin1String(".tmp"));
    }
    return open;
}

void press(QAbstractButton* b) {
    if (b->isEnabled() && b->isVisible()) {
        b->click();
    }
}

// The user's row choice in a list box: a click on the line, as the mouse gives it.
void chooseRow(QListWidget* list, int row) {
    if (list->count() == 0) {
        return;
    }
    QListWidgetItem* line = list->item(row % list->count());
    list->scrollToItem(line);
    const QPointF at = list->visualItemRect(line).center();
    const QPointF global = list->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
}

void editor(Input& in, TForm3& e) {
    for (int n = in.byte() % 10; n > 0; --n) {
        switch (in.byte() % 6) {
            case 0:
                e.edtSVE->setText(in.text());
                e.edtFOR->setText(in.text());
                break;
            case 1:
                press(e.buttSPARA);
                break;
            case 2:
                press(e.buttINSERT);
                break;
            case 3:
                press(e.buttTABORT);
                break;
            case 4:
                chooseRow(e.ListBox1, in.byte());
                break;
            default:
                e.ListBox1->clearSelection();
                break;
        }
    }
    press(e.bitbuttMENY);
}

template <class Learn>
void drillLearn(Input& in, Learn& l) {
    for (int n = in.byte() + 1; n > 0; --n) {
        press(l.buttNEXT);
    }
    press(l.buttMENU);
}

template <class Quiz>
void drillQuiz(Input& in, Quiz& q) {
    for (int n = in.byte() % 64 + 1; n > 0; --n) {
        switch (in.byte() % 4) {
            case 0:
                chooseRow(q.ListBox1, in.byte());
                break;
            case 1:
                q.edtFOR->setText(in.text());
                press(q.buttNEXT);
                break;
            default:
                press(q.buttNEXT);  // an empty or unchanged answer, or the next pass
                break;
        }
    }
    press(q.buttMENU);
}

}  // namespace

// The folder the inputs' files are written to, one per process.
const QString& workFolder() {
    static const QString folder = QDir::temp().filePath(
        QStringLiteral("ordlykta-fuzz-%1").arg(QCoreApplication::applicationPid()));
    return folder;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: the process ends with the fuzzer, with no teardown order to get wrong.
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Entered at the first input, so that a parent process running several jobs stays where
    // it writes their logs.
    static const bool entered = [] {
        QDir().mkpath(workFolder());
        std::atexit([] { QDir(workFolder()).removeRecursively(); });
        return QDir::setCurrent(workFolder());
    }();
    if (!entered) {
        std::abort();
    }
    for (const QString& f : QDir().entryList(QDir::Files | QDir::NoDotAndDotDot)) {
        QFile::remove(f);
    }
    Input in(data, size);
    makeSettings(in);
    for (int language = 1; language <= 3; ++language) {
        makeWordList(in, language);
    }

    // One program serves every input, as one run serves a user: each input starts on the start
    // screen and moves to the menu, whose show handler reloads everything from the files.
    static Input* current = nullptr;
    current = &in;
    static FuzzDialogs dialogs(current);
    static ui::Context context{dialogs, [] {}};
    static Program* program = new Program(context);
    Screens& s = program->screens;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->hide();
    }
    s.start->show();
    TForm2& menu = *s.menu;
    s.start->BitBtn1Click();

    for (int steps = 0; steps < 24 && !in.done(); ++steps) {
        switch (in.byte() % 10) {
            case 0:
                press(in.byte() % 3 == 0 ? menu.opt1 : in.byte() % 2 ? menu.opt2 : menu.opt3);
                break;
            case 1:
                if (menu.ComboBox1->count() > 0) {
                    const int i = in.byte() % menu.ComboBox1->count();
                    menu.ComboBox1->setCurrentIndex(i);
                    emit menu.ComboBox1->activated(i);
                }
                break;
            case 2:
                press(menu.buttSPRAK);
                break;
            case 3:
                press(menu.buttKAPITEL);
                break;
            case 4:
                press(menu.bitbtnSAVE);
                if (s.editor->isVisible()) {
                    editor(in, *s.editor);
                }
                break;
            case 5:
                if (in.byte() & 1) {
                    press(menu.optRANDOM);
                }
                press(menu.buttLEARN);
                if (s.learnList->isVisible()) {
                    drillLearn(in, *s.learnList);
                } else if (s.learnRandom->isVisible()) {
                    drillLearn(in, *s.learnRandom);
                }
                break;
            case 6:
                if (in.byte() & 1) {
                    press(menu.optRANDOM);
                }
                press(menu.buttREHEARSE);
                if (s.quizList->isVisible()) {
                    drillQuiz(in, *s.quizList);
                } else if (s.quizRandom->isVisible()) {
                    drillQuiz(in, *s.quizRandom);
                }
                break;
            case 7:
                press(menu.bitbutINFO);
                for (int n = in.byte() % 8; n > 0; --n) {
                    press(in.byte() & 1 ? s.info->SpeedButton1 : s.info->SpeedButton2);
                }
                press(s.info->buttINFO);
                break;
            case 8:
                emit menu.lblNTALiKAP->clicked();
                emit menu.lblTOTALANTAL->clicked();
                break;
            default:
                press(menu.buttEXIT);
                break;
        }
        // Every handler closes what it opens: the hand-overs always leave the menu visible.
        if (!menu.isVisible()) {
            std::abort();
        }
        // No file stays open between events.
        if (openDataFiles() > 0) {
            std::abort();
        }
    }
    // What the event loop does between a user's actions; without it the events the screens
    // post as they show and hide pile up from input to input.
    QCoreApplication::processEvents();
    return 0;
}
