// Backups, snapshots, restore and check, run in-process on temporary data folders.
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "store/FolderLock.h"
#include "store/Settings.h"
#include "store/WordListImage.h"
#include "tests/support/ToolRun.h"
#include "tool/backup/Snapshots.h"
#include "tool/Tool.h"

namespace {

void patch(const QString& path, qint64 offset, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    file.write(bytes);
}

// One member of a hand-made archive.
struct Member {
    const char* name;
    qint64 size;
    mode_t type = AE_IFREG;
    const char* link = nullptr;  // a hard link's target
};

// A tar of these members (zero bytes each), gzip-compressed unless `plain`.
QByteArray handMade(const std::vector<Member>& members, bool plain = false) {
    QByteArray bytes(8 * 1024 * 1024, '\0');
    size_t used = 0;
    archive* out = archive_write_new();
    if (!plain) {
        archive_write_add_filter_gzip(out);
    }
    archive_write_set_format_pax_restricted(out);
    archive_write_open_memory(out, bytes.data(), static_cast<size_t>(bytes.size()), &used);
    for (const Member& m : members) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, m.name);
        archive_entry_set_filetype(entry, m.type);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, m.type == AE_IFREG && !m.link ? m.size : 0);
        if (m.link) {
            archive_entry_set_hardlink(entry, m.link);
        }
        archive_write_header(out, entry);
        const QByteArray content(m.type == AE_IFREG && !m.link ? m.size : 0, '\0');
        archive_write_data(out, content.constData(), static_cast<size_t>(content.size()));
        archive_entry_free(entry);
    }
    archive_write_close(out);
    archive_write_free(out);
    bytes.truncate(static_cast<qsizetype>(used));
    return bytes;
}

class BackupTest : public DataFolderTest {
  protected:
    BackupTest() { QDir().mkpath(data()); }

    // Settings and word lists of languages 1 and 2, the pairs tagged so that they differ.
    void makeFiles(const std::string& tag) {
        writeFile(dataFile("agen.dat"), bytesOf(store::encode(store::defaultSettings())));
        for (int language : {1, 2}) {
            store::WordListImage image;
            image.rename(3, "Djur " + tag);
            EXPECT_TRUE(image.append(3, "katt " + tag, "cat"));
            EXPECT_TRUE(image.append(3, "hund " + tag, "dog"));
            image.save(dataFile(language == 1 ? "bu1.dat" : "bu2.dat").toStdString());
        }
    }
};

TEST_F(BackupTest, BackupThenRestoreGivesEveryByteBack) {
    makeFiles("a");
    const auto before = folderBytes(data());
    const ToolResult made = run({"backup", "--output", file("b.tar.gz")});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, file("b.tar.gz").toStdString() + ": agen.dat bu1.dat bu2.dat\n");

    makeFiles("b");
    QFile::remove(dataFile("bu2.dat"));
    writeFile(dataFile("bu3.dat"), "not in the backup");
    const ToolResult restored = run({"restore", file("b.tar.gz")});
    ASSERT_EQ(restored.status, 0) << restored.err;
    for (const auto& [path, bytes] : before) {
        EXPECT_EQ(readFile(path), bytes) << path.toStdString();
    }
    // What the archive does not hold stays as it was.
    EXPECT_EQ(readFile(dataFile("bu3.dat")), "not in the backup");
    const QStringList leftovers = QDir(data()).entryList(QDir::Hidden | QDir::Files);
    EXPECT_EQ(leftovers, (QStringList{"agen.dat", "bu1.dat", "bu2.dat", "bu3.dat"}));
}

TEST_F(BackupTest, RestoreOfARefusedArchiveChangesNoByte) {
    makeFiles("a");
    const qint64 list = 680000;
    const struct {
        const char* what;
        QByteArray archive;
        const char* reason;
    } cases[] = {
        {"not an archive", "just text", "not a gzip-compressed tar"},
        {"a plain tar", handMade({{"agen.dat", 112}}, true), "not a gzip-compressed tar"},
        {"cut short", handMade({{"bu1.dat", list}}).left(300), "compressed data is cut short"},
        {"no data files", handMade({}), "holds no data files"},
        {"a path", handMade({{"data/agen.dat", 112}}), "not a data file"},
        {"a parent", handMade({{"../agen.dat", 112}}), "not a data file"},
        {"another name", handMade({{"agen.dat", 112}, {"notes.txt", 4}}), "not a data file"},
        {"a symbolic link", handMade({{"bu1.dat", 0, AE_IFLNK}}), "link or a device"},
        {"a hard link", handMade({{"agen.dat", 112}, {"bu1.dat", 0, AE_IFREG, "agen.dat"}}),
         "link or a device"},
        {"a device", handMade({{"bu2.dat", 0, AE_IFCHR}}), "link or a device"},
        {"a folder", handMade({{"bu3.dat", 0, AE_IFDIR}}), "not a data file"},  // "bu3.dat/"
        {"settings too short", handMade({{"agen.dat", 111}}), "has 111 bytes, not 112"},
        {"word list too long", handMade({{"bu1.dat", list + 68}}), "not 680000"},
        {"twice", handMade({{"agen.dat", 112}, {"agen.dat", 112}}), "agen.dat twice"},
        {"over 64 MB", QByteArray(64 * 1024 * 1024 + 1, 'x'), "larger than 64 MB"},
    };
    const auto before = folderBytes(dir_.path());
    for (const auto& c : cases) {
        writeFile(file("x.tar.gz"), c.archive);
        const ToolResult r = run({"restore", file("x.tar.gz")});
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.what << ": " << r.err;
        QFile::remove(file("x.tar.gz"));
        EXPECT_EQ(folderBytes(dir_.path()), before) << c.what;
    }
    EXPECT_EQ(run({"restore", file("missing.tar.gz")}).status, 1);
    EXPECT_EQ(run({"restore", "--latest"}).status, 1);  // no snapshots yet
    EXPECT_EQ(folderBytes(dir_.path()), before);
}

TEST_F(BackupTest, RestoreOfTheNewestSnapshotUndoesARestore) {
    makeFiles("old");
    const auto old = folderBytes(data());
    makeFiles("new");
    ASSERT_EQ(run({"backup", "--output", file("new.tar.gz")}).status, 0);
    makeFiles("old");

    const ToolResult restored = run({"restore", file("new.tar.gz")});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_NE(readFile(dataFile("bu1.dat")), old.at(dataFile("bu1.dat")));
    const ToolResult undone = run({"restore", "--latest"});
    ASSERT_EQ(undone.status, 0) << undone.err;
    for (const auto& [path, bytes] : old) {
        EXPECT_EQ(readFile(path), bytes) << path.toStdString();
    }
}

TEST_F(BackupTest, SnapshotsAreSkippedWhenNothingChangedAndPrunedAtTwenty) {
    EXPECT_EQ(tool::takeSnapshot(data()), QString());  // no files, no snapshot
    makeFiles("a");
    const QString first = tool::takeSnapshot(data());
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(tool::takeSnapshot(data()), QString());
    QStringList taken{first};
    for (int change = 1; change <= 24; ++change) {
        patch(dataFile("bu2.dat"), 68 * 301 + 5, QByteArray::number(change));
        taken.prepend(tool::takeSnapshot(data()));
        ASSERT_FALSE(taken.first().isEmpty()) << change;
    }
    EXPECT_EQ(tool::snapshots(data()), taken.mid(0, 20));
    const ToolResult listed = run({"backups"});
    ASSERT_EQ(listed.status, 0);
    const QStringList lines = QString::fromStdString(listed.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(lines[i].startsWith(taken[i] + "  ")) << lines[i].toStdString();
    }
    // The newest holds the files as they are now.
    patch(dataFile("bu2.dat"), 68 * 301 + 5, "x");
    const auto now = folderBytes(data());
    ASSERT_EQ(run({"restore", "--latest"}).status, 0);
    EXPECT_NE(readFile(dataFile("bu2.dat")), now.at(dataFile("bu2.dat")));
}

TEST_F(BackupTest, WritingCommandsRefuseWhileTheFolderIsHeld) {
    makeFiles("a");
    ASSERT_EQ(run({"backup", "--output", file("b.tar.gz")}).status, 0);
    const store::FolderLock program(data().toStdString());
    ASSERT_EQ(program.state(), store::FolderLock::State::Held);
    const auto before = folderBytes(dir_.path());
    for (const QStringList& command :
         {QStringList{"restore", file("b.tar.gz")}, QStringList{"restore", "--latest"},
          QStringList{"check", "--fix"}}) {
        const ToolResult r = run(command);
        EXPECT_EQ(r.status, 1) << command.join(' ').toStdString();
        EXPECT_NE(r.err.find("ordlykta is running in"), std::string::npos) << r.err;
    }
    for (const QStringList& command : {QStringList{"backup", "--output", file("c.tar.gz")},
                                       QStringList{"backups"}, QStringList{"check"}}) {
        EXPECT_EQ(run(command).status, 0) << command.join(' ').toStdString();
    }
    QFile::remove(file("c.tar.gz"));
    EXPECT_EQ(folderBytes(dir_.path()), before);
}

// A FIFO in a data file's place is refused at once: reading it would wait for a writer. So is
// a file far larger than any data file, before it is read.
TEST_F(BackupTest, ADataFileThatIsNoPlainFileIsRefusedUnread) {
    const std::pair<bool, const char*> cases[] = {
        {true, "bu2.dat: not a regular file"},
        {false, "bu2.dat has 4194305 bytes, far more than a data file of ordlykta"}};
    for (const auto& [fifo, message] : cases) {
        SCOPED_TRACE(message);
        QDir(data()).removeRecursively();
        QDir().mkpath(data());
        makeFiles("a");
        QFile::remove(file("b.tar.gz"));
        ASSERT_EQ(run({"backup", "--output", file("b.tar.gz")}).status, 0);
        QFile::remove(dataFile("bu2.dat"));
        if (fifo) {
            ASSERT_EQ(::mkfifo(dataFile("bu2.dat").toLocal8Bit().constData(), 0600), 0);
        } else {
            writeFile(dataFile("bu2.dat"), QByteArray(4 * 1024 * 1024 + 1, 'x'));
        }
        const auto before = folderBytes(dir_.path());
        for (const QStringList& command :
             {QStringList{"backup", "--output", file("c.tar.gz")}, QStringList{"check"},
              QStringList{"check", "--fix"}, QStringList{"restore", file("b.tar.gz")}}) {
            const ToolResult r = run(command);
            EXPECT_EQ(r.status, 1) << command.join(' ').toStdString();
            EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        }
        EXPECT_EQ(folderBytes(dir_.path()), before);
    }
}

// Each kind of damage: what check says of it, and what --fix leaves.
TEST_F(BackupTest, CheckFindsEachDamageAndFixMendsWhatTheProgramReadsOneWay) {
    const qint64 list5 = 5 * 100 * 68;
    const qint64 pair1 = list5 + 68;
    const struct {
        const char* file;
        qint64 offset;
        QByteArray bytes;
        const char* finding;
        bool mendable;
        qint64 mendedAt;
        QByteArray mended;
        bool cleanAfter = true;
    } cases[] = {
        // 99 pairs shown, of which 97 free slots: the same name each, and 30 spaces.
        {"bu1.dat", list5, QByteArray::fromHex("96000000"),
         "bu1.dat, language 1, list 5: the list counts 150 pairs, outside 0 to 99", true, list5,
         QByteArray::fromHex("63000000"), false},
        {"bu1.dat", list5, QByteArray::fromHex("fdffffff"),
         "bu1.dat, language 1, list 5: the list counts -3 pairs", true, list5,
         QByteArray::fromHex("00000000")},
        {"bu2.dat", list5 + 4, QByteArray(1, char(200)),
         "bu2.dat, language 2, list 5: the length byte of the list's name is 200, above 30", true,
         list5 + 4, QByteArray(1, char(30))},
        {"bu1.dat", pair1 + 35, QByteArray(1, char(31)),
         "bu1.dat, language 1, list 5, pair 1: the length byte of the other word is 31", true,
         pair1 + 35, QByteArray(1, char(30))},
        {"agen.dat", 0, QByteArray::fromHex("07000000"), "agen.dat: the current language is 7",
         true, 0, QByteArray::fromHex("01000000")},
        {"agen.dat", 8, QByteArray::fromHex("63000000"),
         "agen.dat, language 2: the current list is 99, outside 1 to 98", true, 8,
         QByteArray::fromHex("01000000")},
        {"agen.dat", 16 + 31, QByteArray(1, char(40)),
         "agen.dat, language 2: the length byte of the language's name is 40", true, 16 + 31,
         QByteArray(1, char(30))},
        {"bu1.dat", pair1 + 4, QByteArray("\x06 katt ", 7),
         "bu1.dat, language 1, list 5, pair 1: the Swedish word begins or ends with a space", true,
         pair1 + 4, QByteArray("\x04katt\0\0\0", 8)},
        {"bu1.dat",
         pair1 + 68 + 4,
         QByteArray("\x04katt", 5),
         "bu1.dat, language 1, list 5, pair 2: the same Swedish word as pair 1",
         false,
         0,
         {},
         false},
        {"bu2.dat", 680000, "x", "bu2.dat: 680001 bytes instead of 680000", false, 0, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.finding);
        makeFiles("a");
        {
            store::WordListImage image;
            image.rename(5, "Fem");
            image.append(5, "katt", "cat");
            image.append(5, "hund", "dog");
            image.save(dataFile("bu1.dat").toStdString());
        }
        ASSERT_EQ(run({"check"}).status, 0);
        patch(dataFile(c.file), c.offset, c.bytes);
        const auto damaged = folderBytes(data());
        const ToolResult found = run({"check"});
        EXPECT_EQ(found.status, 1);
        EXPECT_NE(found.out.find(c.finding), std::string::npos) << found.out;
        EXPECT_EQ(folderBytes(data()), damaged);

        const ToolResult fixed = run({"check", "--fix"});
        EXPECT_EQ(fixed.status, c.cleanAfter ? 0 : 1) << fixed.out << fixed.err;
        const ToolResult after = run({"check"});
        EXPECT_EQ(after.status, c.cleanAfter ? 0 : 1);
        EXPECT_EQ(after.out.find(c.finding) == std::string::npos, c.mendable) << after.out;
        if (c.mendable) {
            EXPECT_EQ(readFile(dataFile(c.file)).mid(c.mendedAt, c.mended.size()), c.mended);
            EXPECT_EQ(tool::snapshots(data()).size(), 1);
        } else {
            EXPECT_EQ(folderBytes(data()), damaged);
        }
        QDir(tool::snapshotFolder(data())).removeRecursively();
    }
}

}  // namespace
