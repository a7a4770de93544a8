// Data files damaged or locked by hand: short, cut in the middle of a record, read-only, in a
// folder the user cannot write to, or names taken by folders. Each gives the menu's title or
// the error box with its text, and nothing is written that the user did not ask for.
//
// Root may write a read-only file. The checks that need the permission bits to hold run, where
// this process could override them, in a copy of this test program started by setpriv without
// the capabilities that override file permissions.

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <map>

#include "editor/Unit3.h"
#include "learn/Unit4.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tests/support/Fixture.h"
#include "tests/support/KeptJournal.h"

// Test output shows texts as texts.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << bytes.size() << " bytes";
}

namespace {

const QString kBrokenTitle = QStringLiteral("Files missing? something is wrong");
const QString kMenuCaption = QStringLiteral("ordlykta 2.0 ELV");
const QString kDenied = QStringLiteral("File access denied");
const QString kBeyondEnd = QStringLiteral("Read beyond end of file");
const char* const kChildMark = "ORDLYKTA_WITHOUT_OVERRIDE";

Pairs numbered(int n) {
    Pairs pairs;
    for (int i = 1; i <= n; ++i) {
        pairs.emplace_back(QStringLiteral("ord %1").arg(i), QStringLiteral("word %1").arg(i));
    }
    return pairs;
}

// Every name in the working folder with its bytes; a folder shows as "<folder>". An empty kept
// journal is left out.
std::map<QString, QByteArray> folder() {
    std::map<QString, QByteArray> files;
    for (const QFileInfo& entry : QDir::current().entryInfoList(
             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        if (isEmptyJournal(entry.filePath())) {
            continue;
        }
        QFile file(entry.filePath());
        files[entry.fileName()] = entry.isDir()                    ? QByteArray("<folder>")
                                  : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                   : QByteArray("<unreadable>");
    }
    return files;
}

std::vector<QString> names(const std::map<QString, QByteArray>& files) {
    std::vector<QString> result;
    for (const auto& [name, bytes] : files) {
        result.push_back(name);
    }
    return result;
}

// Whether the permission bits bind this process: a file it may only read cannot be opened for
// writing.
bool permissionsHold() {
    const char* probe = "probe.tmp";
    const int created = ::open(probe, O_CREAT | O_WRONLY | O_TRUNC, 0444);
    if (created < 0) {
        return true;
    }
    ::close(created);
    const int fd = ::open(probe, O_RDWR);
    if (fd >= 0) {
        ::close(fd);
    }
    ::unlink(probe);
    return fd < 0;
}

// Runs the current test again in a copy of this program without the capabilities that override
// permissions, and passes on its verdict. Skips where setpriv is missing or cannot drop them.
void rerunWithoutOverride() {
    if (qEnvironmentVariableIsSet(kChildMark)) {
        FAIL() << "started without the override capabilities, yet a read-only file opens for "
                  "writing";
    }
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        GTEST_SKIP() << "this process may write read-only files and setpriv, which could start "
                        "it without that power, is missing";
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString caps = QStringLiteral("-dac_override,-dac_read_search,-fowner");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromUtf8(kChildMark), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--bounding-set"), caps, QStringLiteral("--inh-caps"),
                          caps, QCoreApplication::applicationFilePath(),
                          QStringLiteral("--gtest_filter=%1.%2")
                              .arg(QString::fromUtf8(test->test_suite_name()),
                                   QString::fromUtf8(test->name()))});
    ASSERT_TRUE(child.waitForFinished(120000)) << "the test without override never ended";
    const std::string output = child.readAll().toStdString();
    const bool ran = output.find("[==========] Running 1 test") != std::string::npos;
    if (!ran && output.rfind("setpriv: ", 0) == 0) {
        GTEST_SKIP() << "setpriv could not start the test without the override capabilities:\n"
                     << output;
    }
    EXPECT_TRUE(ran) << output;
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
}

// The body of a test that needs the permission bits to hold runs only where they do.
#define ONLY_WHERE_PERMISSIONS_HOLD() \
    do {                              \
        if (!permissionsHold()) {     \
            rerunWithoutOverride();   \
            return;                   \
        }                             \
    } while (false)

// Sets the mode of a file or folder for as long as it lives; the folder's own mode is given back
// so that the working folder can be removed.
class Mode {
  public:
    Mode(const char* path, mode_t mode) : path_(path) {
        struct stat st {};
        EXPECT_EQ(::stat(path, &st), 0) << path;
        previous_ = st.st_mode & 07777;
        EXPECT_EQ(::chmod(path, mode), 0) << path;
    }
    ~Mode() { ::chmod(path_, previous_); }
    Mode(const Mode&) = delete;
    Mode& operator=(const Mode&) = delete;

  private:
    const char* path_;
    mode_t previous_ = 0;
};

class BadFilesTest : public ProgramTest {
  protected:
    TForm2& menu() { return *screens().menu; }
    TForm3& editor() { return *screens().editor; }

    // Shows the menu with its title set back, so that each show is seen to mark it or not.
    void showMenuAfresh() {
        menu().setWindowTitle(kMenuCaption);
        showMenu();
    }
    void expectSilentlyBroken(std::size_t boxesBefore) {
        EXPECT_EQ(menu().windowTitle(), kBrokenTitle);
        EXPECT_EQ(dialogs.shown.size(), boxesBefore) << "the show handler showed a box";
    }
};

}  // namespace

// A settings file shorter than its record is not re-created: the show stops, marks the title
// and writes nothing, not even the missing word-list file.
TEST_F(BadFilesTest, ShortSettingsFile) {
    givenSettings();
    const QByteArray whole = fileBytes(QStringLiteral("agen.dat"));
    for (const char* name : {"bu1.dat", "bu2.dat", "bu3.dat"}) {
        QFile::remove(QString::fromUtf8(name));
    }
    for (int size : {0, 1, store::kSettingsSize - 1}) {
        SCOPED_TRACE(size);
        writeFile(QStringLiteral("agen.dat"), whole.left(size));
        const auto before = folder();
        showMenuAfresh();
        expectSilentlyBroken(0);
        EXPECT_EQ(folder(), before);
    }

    // Whole again, it loads; the word-list file is created, as it is missing.
    writeFile(QStringLiteral("agen.dat"), whole);
    dialogs.expectNotice(QStringLiteral("the file bu1.dat re-created"));
    showMenuAfresh();
    EXPECT_EQ(menu().windowTitle(), kMenuCaption);
    EXPECT_EQ(fileBytes(QStringLiteral("agen.dat")), whole);
}

// Headers cut off stop the menu's show; pairs cut off fail every screen that reads them with
// "Read beyond end of file". The file is never extended or repaired by reading it.
TEST_F(BadFilesTest, WordListCutInTheMiddleOfARecord) {
    givenSettings(1, {98, 1, 1});
    givenList(1, 1, numbered(3));
    givenList(1, 98, numbered(5));
    const QByteArray whole = fileBytes(QStringLiteral("bu1.dat"));
    auto offset = [](int list, int slot) { return store::recordIndex(list, slot) * 68; };

    // In the middle of the first pair of list 98: every header is there.
    writeFile(QStringLiteral("bu1.dat"), whole.left(offset(98, 1) + 30));
    const auto cut = folder();
    showMenu();
    EXPECT_EQ(menu().windowTitle(), kMenuCaption);
    EXPECT_EQ(menu().lblNTALiKAP->text(), "5");
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "8");

    dialogs.expectError(kBeyondEnd);
    click(menu().bitbtnSAVE);
    EXPECT_EQ(editor().ListBox1->count(), 0);
    EXPECT_EQ(editor().lblNTAL->text(), "0");
    EXPECT_FALSE(editor().buttTABORT->isEnabled());
    click(editor().bitbuttMENY);

    TForm4& learn = *screens().learnList;
    dialogs.expectError(kBeyondEnd);
    click(menu().buttLEARN);
    click(learn.buttNEXT);  // no drill to go on with
    EXPECT_EQ(learn.ListBox1->count(), 0);
    click(learn.buttMENU);

    TForm5& quiz = *screens().quizList;
    dialogs.expectError(kBeyondEnd);
    click(menu().buttREHEARSE);
    click(quiz.buttNEXT);  // no question to answer
    EXPECT_EQ(quiz.ListBox1->count(), 0);
    click(quiz.buttMENU);
    EXPECT_EQ(folder(), cut);

    // The lists that are whole still work.
    click(menu().opt2);
    click(menu().opt1);
    EXPECT_EQ(folder().at("agen.dat"), cut.at("agen.dat"));  // language 1 again, as it was
    EXPECT_EQ(folder().at("bu1.dat"), cut.at("bu1.dat"));

    // In the middle of the header of list 50: the show stops before the drop-down is filled.
    writeFile(QStringLiteral("bu1.dat"), whole.left(offset(50, 0) + 40));
    const auto headerCut = folder();
    const std::size_t boxes = dialogs.shown.size();
    showMenuAfresh();
    expectSilentlyBroken(boxes);
    EXPECT_EQ(menu().ComboBox1->count(), 0);
    EXPECT_EQ(folder(), headerCut);
    // Choosing the language again saves, as asked, and its refresh fails the same way.
    click(menu().opt2);
    dialogs.expectError(kBeyondEnd);
    click(menu().opt1);
    EXPECT_EQ(folder().at("bu1.dat"), headerCut.at("bu1.dat"));
}

// A file that ends right after a list's last pair: the pairs are all there, but a new one has
// no slot to go into, and nothing is written past the end.
TEST_F(BadFilesTest, WordListEndingAfterTheLastPairTakesNoMore) {
    givenSettings(1, {98, 1, 1});
    givenList(1, 98, numbered(5));
    const QByteArray whole = fileBytes(QStringLiteral("bu1.dat"));
    writeFile(QStringLiteral("bu1.dat"), whole.left(store::recordIndex(98, 6) * 68));
    const auto cut = folder();
    showMenu();
    click(menu().bitbtnSAVE);
    ASSERT_EQ(editor().ListBox1->count(), 5);

    type(editor().edtSVE, QStringLiteral("ny"));
    type(editor().edtFOR, QStringLiteral("new"));
    dialogs.expectError(kBeyondEnd);
    click(editor().buttSPARA);
    editor().ListBox1->setCurrentRow(2);
    dialogs.expectConfirm(QStringLiteral("Skjut in det nya ordparet här"), true);
    dialogs.expectError(kBeyondEnd);
    click(editor().buttINSERT);
    EXPECT_EQ(folder(), cut);
    EXPECT_EQ(editor().ListBox1->count(), 5);
}

// A name taken by a folder cannot be opened: the menu's title, or "File access denied"; nothing
// is created beside it, and the folder is left alone.
TEST_F(BadFilesTest, NamesTakenByFolders) {
    givenSettings();
    givenList(1, 1, numbered(3));
    const QByteArray agen = fileBytes(QStringLiteral("agen.dat"));

    QFile::remove(QStringLiteral("agen.dat"));
    ASSERT_TRUE(QDir::current().mkdir(QStringLiteral("agen.dat")));
    auto before = folder();
    showMenuAfresh();
    expectSilentlyBroken(0);
    dialogs.expectError(kDenied);
    click(menu().opt2);
    EXPECT_EQ(folder(), before);
    ASSERT_TRUE(QDir::current().rmdir(QStringLiteral("agen.dat")));
    writeFile(QStringLiteral("agen.dat"), agen);

    // The word-list file of the current language.
    const QByteArray words = fileBytes(QStringLiteral("bu1.dat"));
    QFile::remove(QStringLiteral("bu1.dat"));
    ASSERT_TRUE(QDir::current().mkdir(QStringLiteral("bu1.dat")));
    before = folder();
    const std::size_t boxes = dialogs.shown.size();
    showMenuAfresh();
    expectSilentlyBroken(boxes);
    dialogs.expectError(kDenied);
    click(menu().bitbtnSAVE);
    click(editor().bitbuttMENY);
    EXPECT_EQ(folder(), before);
    ASSERT_TRUE(QDir::current().rmdir(QStringLiteral("bu1.dat")));
    writeFile(QStringLiteral("bu1.dat"), words);

    // Another language's, chosen: it is not created anew, since the name exists.
    showMenuAfresh();
    EXPECT_EQ(menu().windowTitle(), kMenuCaption);
    QFile::remove(QStringLiteral("bu2.dat"));
    ASSERT_TRUE(QDir::current().mkdir(QStringLiteral("bu2.dat")));
    dialogs.expectError(kDenied);
    click(menu().opt2);
    EXPECT_EQ(folder().at("bu2.dat"), "<folder>");

    // The names a new file is made under first, taken by a folder and by a file of the user's:
    // the creation takes the next free name and leaves both be.
    QFile::remove(QStringLiteral("bu3.dat"));
    ASSERT_TRUE(QDir::current().mkdir(QStringLiteral("bu3.dat.new")));
    writeFile(QStringLiteral("bu3.dat.new1"), "mine");
    before = folder();
    dialogs.expectNotice(QStringLiteral("the file bu3.dat re-created"));
    click(menu().opt3);
    std::vector<QString> expected = names(before);
    expected.push_back(QStringLiteral("bu3.dat"));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(folder()), expected);
    EXPECT_EQ(folder().at("bu3.dat.new"), "<folder>");
    EXPECT_EQ(fileBytes(QStringLiteral("bu3.dat.new1")), "mine");
    EXPECT_EQ(fileBytes(QStringLiteral("bu3.dat")).size(), 680000);
}

TEST_F(BadFilesTest, ReadOnlySettingsFileFailsLoadAndEverySave) {
    ONLY_WHERE_PERMISSIONS_HOLD();
    givenSettings();
    givenList(1, 1, numbered(3));
    const Mode readOnly("agen.dat", 0444);
    const auto before = folder();

    showMenuAfresh();
    expectSilentlyBroken(0);
    dialogs.expectError(kDenied);
    click(menu().opt2);
    dialogs.expectInput(QStringLiteral("Ange önskat namn för språket"), QStringLiteral("Tyska"));
    dialogs.expectError(kDenied);
    click(menu().buttSPRAK);
    EXPECT_EQ(folder(), before);
}

TEST_F(BadFilesTest, ReadOnlyWordListFileFailsEveryOperation) {
    ONLY_WHERE_PERMISSIONS_HOLD();
    givenSettings();
    givenList(1, 1, numbered(3));
    const Mode readOnly("bu1.dat", 0444);
    const auto before = folder();

    showMenuAfresh();
    expectSilentlyBroken(0);
    dialogs.expectError(kDenied);
    click(menu().bitbtnSAVE);
    EXPECT_EQ(editor().ListBox1->count(), 0);
    click(editor().bitbuttMENY);
    expectSilentlyBroken(1);
    // The list's name is read before the input box would open.
    dialogs.expectError(kDenied);
    click(menu().buttKAPITEL);

    // The other languages' files are sound; coming back, the save is made and the refresh fails.
    click(menu().opt2);
    EXPECT_EQ(menu().ComboBox1->count(), 98);
    dialogs.expectError(kDenied);
    click(menu().opt1);
    EXPECT_EQ(store::loadSettings().language, 1);
    EXPECT_EQ(folder(), before);
}

// Nothing can be created: the show stops, marks the title and leaves the folder as it was.
TEST_F(BadFilesTest, FolderTheUserCannotWriteToGetsNoNewFile) {
    ONLY_WHERE_PERMISSIONS_HOLD();
    {
        const Mode locked(".", 0555);
        showMenuAfresh();
        expectSilentlyBroken(0);
        EXPECT_TRUE(folder().empty());
    }
    givenSettings();
    for (const char* name : {"bu1.dat", "bu2.dat", "bu3.dat"}) {
        QFile::remove(QString::fromUtf8(name));
    }
    const Mode locked(".", 0555);
    const auto before = folder();
    showMenuAfresh();
    expectSilentlyBroken(0);
    EXPECT_EQ(folder(), before);
}

// Files that exist are changed in place, so they still take every change; only a new file
// cannot be made, and its creation leaves nothing behind.
TEST_F(BadFilesTest, FolderTheUserCannotWriteToKeepsItsFilesWorking) {
    ONLY_WHERE_PERMISSIONS_HOLD();
    givenSettings();
    givenList(1, 1, numbered(3));
    QFile::remove(QStringLiteral("bu3.dat"));
    // No journal is kept yet, and none can be made: each change keeps its journal in memory.
    for (const char* journal : {".agen.dat.journal", ".bu1.dat.journal"}) {
        ASSERT_TRUE(QFile::remove(QString::fromUtf8(journal))) << journal;
    }
    const Mode locked(".", 0555);
    const auto before = folder();

    showMenuAfresh();
    EXPECT_EQ(menu().windowTitle(), kMenuCaption);
    EXPECT_EQ(menu().lblNTALiKAP->text(), "3");
    click(menu().bitbtnSAVE);
    type(editor().edtSVE, QStringLiteral("ny"));
    type(editor().edtFOR, QStringLiteral("new"));
    click(editor().buttSPARA);
    EXPECT_EQ(store::pairCount(store::readHeader(1, 1)), 4);
    click(editor().bitbuttMENY);
    EXPECT_EQ(menu().lblNTALiKAP->text(), "4");

    dialogs.expectError(kDenied);
    click(menu().opt3);
    EXPECT_EQ(store::loadSettings().language, 3);  // saved before the creation failed
    EXPECT_EQ(names(folder()), names(before));
    EXPECT_EQ(folder().at("bu2.dat"), before.at("bu2.dat"));
}
