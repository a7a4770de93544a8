// The data files byte for byte, their errors, and damaged files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "store/Cp1252.h"
#include "store/DataFiles.h"
#include "store/File.h"
#include "store/FolderLock.h"
#include "store/Layout.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tests/support/Fixture.h"

using namespace store;

namespace {

// Each test runs in a fresh, empty working folder.
class StoreTest : public ::testing::Test {
  protected:
    StoreTest() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~StoreTest() override {
        setFaultHook({});
        QDir::setCurrent(previous_);
    }

    static QByteArray bytes(const char* name) {
        QFile f(QString::fromLatin1(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void patch(const char* name, qint64 offset, const QByteArray& data) {
        QFile f(QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(offset);
        f.write(data);
    }
    static QStringList folder() {
        return QDir().entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

  private:
    QTemporaryDir dir_;
    QString previous_;
};

QByteArray shortString(const QByteArray& text) {
    return char(text.size()) + text;
}

}  // namespace

TEST_F(StoreTest, NewWordListFileHasTheDocumentedLayout) {
    std::vector<Text> names;
    createWordList(2, [&](const Text& name) { names.push_back(name); });

    const QByteArray file = bytes("bu2.dat");
    ASSERT_EQ(file.size(), 680000);
    // The header of list 7: count 0, its name, then a second text of 30 spaces.
    const QByteArray header7 = file.mid(700 * 68, 68);
    EXPECT_EQ(header7.left(4), QByteArray(4, '\0'));
    EXPECT_EQ(header7.mid(4, 16), shortString("Tomt kapitel: 7"));
    EXPECT_EQ(header7.mid(35, 31), char(0x1E) + QByteArray(30, ' '));
    EXPECT_EQ(file.mid(4, 16), shortString("Tomt kapitel: 0"));
    EXPECT_EQ(file.mid(9900 * 68 + 4, 17), shortString("Tomt kapitel: 99"));
    // Free slots repeat their list's texts with number 0.
    EXPECT_EQ(file.mid(701 * 68, 66), header7.left(66));
    EXPECT_EQ(file.mid(799 * 68, 66), header7.left(66));

    ASSERT_EQ(names.size(), 98u);
    EXPECT_EQ(names.front(), "Tomt kapitel: 1");
    EXPECT_EQ(names.back(), "Tomt kapitel: 98");
    for (int l = 0; l < 100; ++l) {
        EXPECT_EQ(readHeader(2, l), (WordRecord{0, emptyListName(l), Text(30, ' ')}));
    }
}

TEST_F(StoreTest, NewSettingsFileHasTheDefaults) {
    createSettings();
    const QByteArray file = bytes("agen.dat");
    ASSERT_EQ(file.size(), 112);
    EXPECT_EQ(file.left(16), QByteArray::fromHex("01000000010000000100000001000000"));
    EXPECT_EQ(file.mid(16, 8), shortString("Spr\xE5k A"));
    EXPECT_EQ(file.mid(47, 8), shortString("Spr\xE5k B"));
    EXPECT_EQ(file.mid(78, 8), shortString("Spr\xE5k C"));
    EXPECT_EQ(loadSettings(), defaultSettings());
}

TEST_F(StoreTest, SettingsAreSavedFieldByField) {
    createSettings();
    Settings s = defaultSettings();
    s.language = 2;
    s.lists = {3, 42, 98};
    s.names = {Text(35, 'x'), "",
               "Fran\xE7"
               "ais"};
    saveSettings(s);

    const QByteArray file = bytes("agen.dat");
    ASSERT_EQ(file.size(), 112);
    EXPECT_EQ(file.mid(0, 16), QByteArray::fromHex("02000000030000002a00000062000000"));
    EXPECT_EQ(file.mid(16, 31), shortString(QByteArray(30, 'x')));
    EXPECT_EQ(file[47], '\0');
    EXPECT_EQ(file.mid(78, 9), shortString("Fran\xE7"
                                           "ais"));
    s.names[0] = Text(30, 'x');
    EXPECT_EQ(loadSettings(), s);
}

TEST_F(StoreTest, WordsAreStoredAsTheirFirstThirtyBytes) {
    createWordList(1);
    writePair(1, 5, 3, {3, Text(31, 'a'), "\xE5\xE4\xF6\xC5\xC4\xD6"});
    const QByteArray file = bytes("bu1.dat");
    const QByteArray record = file.mid(503 * 68, 68);
    EXPECT_EQ(record.left(4), QByteArray::fromHex("03000000"));
    EXPECT_EQ(record.mid(4, 31), shortString(QByteArray(30, 'a')));
    EXPECT_EQ(record.mid(35, 7), shortString("\xE5\xE4\xF6\xC5\xC4\xD6"));
    EXPECT_EQ(readPair(1, 5, 3), (WordRecord{3, Text(30, 'a'), "\xE5\xE4\xF6\xC5\xC4\xD6"}));
}

TEST_F(StoreTest, RewritingAHeaderKeepsItsSecondTextByteForByte) {
    createWordList(1);
    // A second text as an older version may have left it: short, with bytes after its length.
    patch("bu1.dat", 300 * 68 + 35,
          QByteArray("\x03"
                     "abcXYZ",
                     7));
    WordRecord header = readHeader(1, 3);
    header.number = 5;
    header.first = "";
    writeHeader(1, 3, header);
    const QByteArray file = bytes("bu1.dat");
    EXPECT_EQ(file.mid(300 * 68 + 35, 4), QByteArray("\x03"
                                                     "abc"));
    EXPECT_EQ(file.mid(300 * 68, 5), QByteArray::fromHex("0500000000"));
}

TEST_F(StoreTest, OverviewSumsListsOneToNinetyEight) {
    createWordList(3);
    for (auto [list, count] : {std::pair{0, 50}, {1, 4}, {42, 7}, {98, 1}, {99, 60}}) {
        WordRecord header = readHeader(3, list);
        header.number = count;
        writeHeader(3, list, header);
    }
    const ListOverview o = listOverview(3, 42);
    EXPECT_EQ(o.total, 12);
    EXPECT_EQ(o.currentCount, 7);
    ASSERT_EQ(o.names.size(), 98u);
    EXPECT_EQ(o.names[41], "Tomt kapitel: 42");
}

TEST_F(StoreTest, ErrorsCarryTheRunTimeTexts) {
    auto message = [](auto&& operation) {
        try {
            operation();
        } catch (const IoError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([] { readHeader(1, 1); }), "File not found");
    EXPECT_EQ(message([] { saveSettings(defaultSettings()); }), "File not found");

    QFile shortFile(QStringLiteral("agen.dat"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(111, '\1'));
    shortFile.close();
    EXPECT_EQ(message([] { loadSettings(); }), "Read beyond end of file");

    {
        FaultInjection denied(FileOp::Open, EACCES);
        EXPECT_EQ(message([] { loadSettings(); }), "File access denied");
    }
    // A change in place is refused on a file shorter than its record, before anything is written.
    EXPECT_EQ(message([] { saveSettings(defaultSettings()); }), "Read beyond end of file");
    createSettings();
    {
        FaultInjection full(FileOp::Write, ENOSPC);
        EXPECT_EQ(message([] { saveSettings(defaultSettings()); }), "Disk full");
    }
    {
        FaultInjection broken(FileOp::Seek, EIO);
        EXPECT_EQ(message([] { loadSettings(); }), "I/O error " + std::to_string(EIO));
    }
    // A folder in the file's place cannot be opened for writing.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("bu2.dat")));
    EXPECT_EQ(message([] { readHeader(2, 1); }), "File access denied");
}

TEST_F(StoreTest, ReadOnlyFileIsDeniedEvenWhereThePermissionCouldBeOverridden) {
    createSettings();
    ASSERT_EQ(::chmod("agen.dat", 0444), 0);
    if (::geteuid() == 0) {
        // The superuser may write anyway; the same failure then comes through the file layer.
        FaultInjection denied(FileOp::Open, EACCES);
        EXPECT_THROW(loadSettings(), IoError);
    } else {
        try {
            loadSettings();
            ADD_FAILURE() << "a read-only file was opened for writing";
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), "File access denied");
        }
    }
}

TEST_F(StoreTest, FailedCreationLeavesNoFileAndTheNextOneIsWhole) {
    for (FileOp op : {FileOp::Create, FileOp::Write, FileOp::Close, FileOp::Rename}) {
        {
            FaultInjection full(op, ENOSPC);
            EXPECT_THROW(createWordList(1), IoError);
        }
        {
            FaultInjection full(op, ENOSPC);
            EXPECT_THROW(createSettings(), IoError);
        }
        EXPECT_TRUE(folder().isEmpty()) << folder().join(' ').toStdString();
    }
    createWordList(1);
    createSettings();
    EXPECT_EQ(bytes("bu1.dat").size(), 680000);
    EXPECT_EQ(bytes("agen.dat").size(), 112);
    EXPECT_EQ(folder(), (QStringList{"agen.dat", "bu1.dat"}));
}

// A write cut short by a full disk puts back what it overwrote: no record is left half old and
// half new. A file shorter than its fixed size is not changed in place at all.
TEST_F(StoreTest, WriteCutShortLeavesTheFileAsItWas) {
    createWordList(1);
    createSettings();
    const WordRecord pair{3, "katt", "cat"};
    writePair(1, 5, 1, pair);
    Settings changed = defaultSettings();
    changed.language = 2;
    changed.names[1] = "Engelska";
    const struct {
        const char* file;
        int cutTo;  // bytes the file is cut to first; 0 leaves it whole
        std::function<void()> change;
        const char* error = "Disk full";
    } cases[] = {
        {"bu1.dat", 0,
         [] {
             writePair(1, 5, 1, {3, "hund", "dog"});
         }},
        {"bu1.dat", 0,
         [] {
             writeHeader(1, 5, {7, "Djur", ""});
         }},
        {"agen.dat", 0, [&] { saveSettings(changed); }},
        {"agen.dat", 40, [&] { saveSettings(changed); }, "Read beyond end of file"},
    };
    for (const auto& c : cases) {
        if (c.cutTo > 0) {
            ASSERT_TRUE(QFile::resize(QString::fromLatin1(c.file), c.cutTo));
        }
        const QByteArray before = bytes(c.file);
        try {
            FaultInjection cut(FileOp::Write, kShortWrite);
            c.change();
            ADD_FAILURE() << "no error from a write cut short";
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(bytes(c.file), before) << c.file << " cut to " << c.cutTo;
    }
    EXPECT_EQ(readPair(1, 5, 1), pair);
}

// New files are made under hidden names with a random part; only names of that kind are taken
// for leftovers of interrupted creations.
TEST_F(StoreTest, TemporaryFilesAreHiddenAndOnlyTheyAreRemovedAsLeftovers) {
    std::vector<std::string> written;
    setFaultHook([&](FileOp op, const std::string& path) {
        if (op == FileOp::Write && path.find(kIntentName) == std::string::npos) {
            written.push_back(path);
        }
        return 0;
    });
    createSettings();
    createSettings();
    setFaultHook({});
    ASSERT_EQ(written.size(), 2u);
    EXPECT_TRUE(isTemporaryNameOf(fileNameOf(written[0]), "agen.dat")) << written[0];
    EXPECT_TRUE(isTemporaryNameOf(fileNameOf(written[1]), "agen.dat")) << written[1];
    EXPECT_NE(written[0], written[1]);

    const QStringList leftovers = {".bu1.dat.Q7x2Kp.tmp", ".agen.dat.000000.tmp",
                                   ".bu3.dat.zzzzzz.tmp"};
    const QStringList others = {
        ".bu1.dat.tmp",        ".bu1.dat.Q7x2K.tmp",  ".bu1.dat.Q7x2K!.tmp",
        ".bu4.dat.Q7x2Kp.tmp", "bu1.dat.Q7x2Kp.tmp",  ".bu1.dat.Q7x2Kp.tmp~",
        "bu1.dat.new",         ".bu1.dat.Q7x2Kp.TMP", "agen.dat"};
    for (const QString& name : leftovers + others) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Append));
    }
    EXPECT_EQ(removeTemporaryFiles(".", kDataFileNames), leftovers.size());
    QStringList expected = others;
    QStringList left = folder();
    expected.sort();
    left.sort();
    EXPECT_EQ(left, expected);
}

TEST_F(StoreTest, DamagedRecordsAreReadWithinBounds) {
    createWordList(1);
    createSettings();
    // Length bytes above 30, and counts far outside 0..99.
    patch("bu1.dat", 100 * 68, QByteArray::fromHex("ffffff7f") + QByteArray(1, char(0xFF)));
    patch("bu1.dat", 200 * 68, QByteArray::fromHex("00000080"));
    patch("bu1.dat", 101 * 68 + 35, QByteArray(1, char(200)));
    const WordRecord header = readHeader(1, 1);
    EXPECT_EQ(header.first.size(), 30u);
    EXPECT_EQ(pairCount(header), 99);
    EXPECT_EQ(pairCount(readHeader(1, 2)), 0);
    EXPECT_EQ(readPair(1, 1, 1).second.size(), 30u);
    EXPECT_EQ(listOverview(1, 1).total, 99);

    patch("agen.dat", 0, QByteArray::fromHex("07000000ffffffff6300000002000000"));
    patch("agen.dat", 16, QByteArray(1, char(0xEE)));
    const Settings s = loadSettings();
    EXPECT_EQ(s.language, 1);
    EXPECT_EQ(s.lists, (std::array<std::int32_t, 3>{1, 1, 2}));
    EXPECT_EQ(s.names[0].size(), 30u);
}

// The fields every reader takes from the layout, against the offsets the files are known to have.
TEST(Layout, FieldsSitAtTheDocumentedOffsets) {
    const std::vector<unsigned char> file(static_cast<std::size_t>(kWordListFileSize));
    const SettingsBytes settings{};
    const auto offset = [](auto field, const auto& bytes) {
        return std::pair(field.data() - bytes.data(), field.size());
    };
    const auto record = recordOf(file, 7, 3);
    using Place = std::pair<std::ptrdiff_t, std::size_t>;
    const std::vector<std::pair<Place, Place>> cases = {
        {offset(record, file), {703 * 68, 68}},
        {offset(listOf(file, 99), file), {9900 * 68, 6800}},
        {offset(numberField(record), file), {703 * 68, 4}},
        {offset(firstTextField(record), file), {703 * 68 + 4, 31}},
        {offset(secondTextField(record), file), {703 * 68 + 35, 31}},
        {offset(currentLanguageField(settings), settings), {0, 4}},
        {offset(currentListField(settings, 1), settings), {4, 4}},
        {offset(currentListField(settings, 3), settings), {12, 4}},
        {offset(languageNameField(settings, 1), settings), {16, 31}},
        {offset(languageNameField(settings, 3), settings), {78, 31}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
    }
}

TEST(Layout, FileNamesTellTheirLanguage) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"bu1.dat", 1},  {"bu3.dat", 3},          {"bu4.dat", 0},  {"bu0.dat", 0},
        {"agen.dat", 0}, {".bu1.dat.journal", 0}, {"bu1.dat~", 0}, {"", 0},
    };
    for (const auto& [name, language] : cases) {
        EXPECT_EQ(languageOfFileName(name), language) << name;
    }
}

// The settings of another folder, read as the tool reads them: without writing, without
// waiting on a FIFO, and the defaults for anything that is not a whole record.
TEST_F(StoreTest, SettingsOfAnotherFolderAreReadWithoutWriting) {
    Settings saved = defaultSettings();
    saved.language = 3;
    saved.lists = {5, 6, 7};
    const SettingsBytes record = encode(saved);
    const QByteArray whole(reinterpret_cast<const char*>(record.data()), kSettingsSize);
    const auto put = [](const QByteArray& data) {
        QFile f(QStringLiteral("d/agen.dat"));
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    };
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("d")));

    EXPECT_EQ(readSettingsOrDefaults("d"), defaultSettings()) << "missing";
    ASSERT_TRUE(put(whole.left(111)));
    EXPECT_EQ(readSettingsOrDefaults("d"), defaultSettings()) << "short";
    EXPECT_THROW(loadSettings("d"), IoError);
    ASSERT_TRUE(put(whole + "more"));
    EXPECT_EQ(readSettingsOrDefaults("d"), saved) << "longer: the record is read";
    ASSERT_TRUE(put(whole));
    ASSERT_EQ(::chmod("d/agen.dat", 0444), 0);
    EXPECT_EQ(readSettingsOrDefaults("d"), saved) << "read-only";
    EXPECT_EQ(loadSettings("d"), saved);
    EXPECT_FALSE(settingsExist()) << "the current folder is not looked at";

    ASSERT_TRUE(QDir().mkdir(QStringLiteral("e")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("e/agen.dat")));
    EXPECT_EQ(readSettingsOrDefaults("e"), defaultSettings()) << "a folder in its place";
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("f")));
    ASSERT_EQ(::mkfifo("f/agen.dat", 0600), 0);
    EXPECT_EQ(readSettingsOrDefaults("f"), defaultSettings()) << "a FIFO in its place";
}

TEST(CodePage, MapsTheWholeHighHalfBothWays) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = cp1252::toUnicode(static_cast<unsigned char>(b));
        EXPECT_EQ(cp1252::fromUnicode(c), static_cast<unsigned char>(b)) << b;
    }
    EXPECT_EQ(cp1252::toUnicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252::fromUnicode(U'\u0160'), 0x8A);
    EXPECT_EQ(cp1252::fromUnicode(U'\u00E5'), 0xE5);
    EXPECT_FALSE(cp1252::fromUnicode(U'\u0105'));  // ą
    EXPECT_FALSE(cp1252::fromUnicode(U'\u4E2D'));  // 中
    EXPECT_FALSE(cp1252::fromUnicode(U'\U0001F600'));
}

TEST(FolderLockTest, OneHolderAtATimeAndReleasedWithIt) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    {
        FolderLock first(folder);
        ASSERT_EQ(first.state(), FolderLock::State::Held);
        EXPECT_TRUE(FolderLock(folder).taken());
    }
    EXPECT_EQ(FolderLock(folder).state(), FolderLock::State::Held);
    EXPECT_EQ(FolderLock(folder + "/missing").state(), FolderLock::State::Unsupported);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
