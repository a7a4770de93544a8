// Restores and mending that replace several files: every failure leaves the old set or the new
// one, never a mix; archives that are damaged are refused; a file of the wrong size has a way
// back through the snapshots.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <optional>
#include <random>
#include <thread>

#include "memory/Database.h"
#include "store/Change.h"
#include "store/File.h"
#include "store/FolderLock.h"
#include "store/Journal.h"
#include "store/Settings.h"
#include "store/WordListImage.h"
#include "tests/support/FaultSweep.h"
#include "tests/support/ToolRun.h"
#include "tool/Tool.h"
#include "tool/backup/Recovery.h"
#include "tool/backup/Snapshots.h"
#include "tool/import/Importing.h"

namespace {

using Files = std::map<QString, QByteArray>;

class RestoreTest : public DataFolderTest {
  public:
    RestoreTest() { QDir().mkpath(data()); }
    ~RestoreTest() override { store::setFaultHook({}); }

    // Settings and three word lists whose pairs carry the tag.
    void makeFiles(const std::string& tag) {
        writeSettings("Engelska " + tag);
        for (int language = 1; language <= 3; ++language) {
            store::WordListImage image;
            image.rename(3, "Djur " + tag);
            EXPECT_TRUE(image.append(3, "katt " + tag, "cat"));
            image.save(dataFile(QStringLiteral("bu%1.dat").arg(language)).toStdString());
        }
    }
    std::optional<tool::ImportPlan> plan_;

    // The data files only (not the snapshots), by name.
    Files dataFiles() const {
        Files files;
        for (const QString& name : QDir(data()).entryList(QDir::Files | QDir::Hidden)) {
            files[name] = readFile(dataFile(name));
        }
        return files;
    }
};

// Each replacement of several files, failed at each file operation in turn (an error, a full
// disk, a write cut short, a kill), then the folder taken by the next holder.
TEST_F(RestoreTest, EveryFaultLeavesTheWholeOldSetOrTheWholeNewOne) {
    const struct {
        const char* name;
        std::function<void(RestoreTest&)> given;
        std::function<void(RestoreTest&)> act;
    } changes[] = {
        {"restore",
         [](RestoreTest& t) {
             t.makeFiles("new");
             ASSERT_EQ(t.run({"backup", "--output", t.file("new.tar.gz")}).status, 0);
             t.makeFiles("old");
         },
         [](RestoreTest& t) {
             tool::restoreArchive(t.data(), {t.file("new.tar.gz"), {}, false});
         }},
        {"an import that makes agen.dat and bu3.dat",
         [](RestoreTest& t) {
             writeFile(t.file("w.csv"), "katt,cat\nhund,dog\n");
             t.plan_ = tool::planImport(t.file("w.csv"), t.data(), QStringLiteral("3"),
                                        QStringLiteral("1"), {});
         },
         [](RestoreTest& t) { tool::carryOut(*t.plan_); }},
        {"check --fix",
         [](RestoreTest& t) {
             t.makeFiles("old");
             QFile settings(t.dataFile("agen.dat"));
             ASSERT_TRUE(settings.open(QIODevice::ReadWrite));
             settings.write(QByteArray::fromHex("07000000"));  // language 7
             QFile words(t.dataFile("bu2.dat"));
             ASSERT_TRUE(words.open(QIODevice::ReadWrite));
             words.seek(3 * 100 * 68);
             words.write(QByteArray::fromHex("96000000"));  // 150 pairs
         },
         [](RestoreTest& t) { tool::checkFolder(t.data(), true); }},
    };
    const auto faultsOf = [](store::FileOp op) {
        std::vector<sweep::Fault> faults{
            {EIO, false, "I/O error"}, {ENOSPC, false, "disk full"}, {0, true, "killed"}};
        if (op == store::FileOp::Write) {
            faults.push_back({store::shortWrite(1), false, "1 byte written"});
            faults.push_back({store::shortWrite(4096), false, "4096 bytes written"});
        }
        return faults;
    };
    int cases = 0;
    for (const auto& change : changes) {
        SCOPED_TRACE(change.name);
        QDir(data()).removeRecursively();
        QDir().mkpath(data());
        change.given(*this);
        const Files old = dataFiles();
        const sweep::Action act = sweep::failingWith<tool::Refusal>([&] { change.act(*this); });
        const std::vector<store::FileOp> ops = sweep::operationsOf(act);
        const Files fresh = dataFiles();
        ASSERT_NE(fresh, old);
        const auto reset = [&] {
            QDir(tool::snapshotFolder(data())).removeRecursively();
            for (const QString& name : QDir(data()).entryList(QDir::Files | QDir::Hidden)) {
                QFile::remove(dataFile(name));
            }
            for (const auto& [name, bytes] : old) {
                writeFile(dataFile(name), bytes);
            }
        };
        const auto check = [&](sweep::Outcome outcome, const std::string& what) {
            tool::recoverDataFolder(data());  // the restart
            const Files after = dataFiles();
            const std::string state = after == old ? "old" : after == fresh ? "new" : "a mix";
            EXPECT_TRUE(outcome == sweep::Outcome::Done ? state == "new" : state != "a mix")
                << what << ": " << state;
            const QStringList left = QDir(data()).entryList(QDir::Files | QDir::Hidden);
            EXPECT_EQ(left.size(), static_cast<qsizetype>((state == "new" ? fresh : old).size()))
                << what << ": " << left.join(' ').toStdString();
        };
        cases += sweep::run(ops, faultsOf, reset, act, check);
    }
    std::cout << "replacement faults: " << cases << " cases\n";
    EXPECT_GT(cases * static_cast<int>(sweep::every()), 100);
}

// One flipped bit anywhere in a backup: refused, or restored byte for byte (the manifest).
TEST_F(RestoreTest, EveryFlippedBitIsRefusedOrRestoredExactly) {
    makeFiles("a");
    ASSERT_EQ(run({"backup", "--output", file("b.tar.gz")}).status, 0);
    const Files backedUp = dataFiles();
    const QByteArray archive = readFile(file("b.tar.gz"));
    std::mt19937 random(19);
    std::uniform_int_distribution<qsizetype> bit(0, archive.size() * 8 - 1);
    int refused = 0;
    int exact = 0;
    for (int i = 0; i < 400; ++i) {
        QByteArray flipped = archive;
        const qsizetype at = bit(random);
        flipped[at / 8] = static_cast<char>(flipped[at / 8] ^ (1 << (at % 8)));
        writeFile(file("f.tar.gz"), flipped);
        try {
            const tool::FileSet files = tool::unpackArchive(file("f.tar.gz"));
            Files named;
            for (const auto& [name, bytes] : files) {
                named[name] = bytes;
            }
            EXPECT_EQ(named, backedUp) << "bit " << at << " was restored different";
            ++exact;
        } catch (const tool::Refusal&) {
            ++refused;
        }
    }
    std::cout << "400 flipped bits: " << refused << " refused, " << exact << " restored exactly\n";
    EXPECT_EQ(refused + exact, 400);
}

// The trailer's checksum and length, a file that differs from the manifest, damage that check
// reports: each refused and named; --force takes damage, never a wrong sum.
TEST_F(RestoreTest, DamagedArchivesAreRefusedWithTheReason) {
    makeFiles("a");
    ASSERT_EQ(run({"backup", "--output", file("b.tar.gz")}).status, 0);
    const QByteArray archive = readFile(file("b.tar.gz"));
    const auto changedAt = [&](qsizetype fromEnd) {
        QByteArray bytes = archive;
        bytes[bytes.size() - fromEnd] = static_cast<char>(bytes[bytes.size() - fromEnd] ^ 1);
        return bytes;
    };
    makeFiles("b");
    const Files before = dataFiles();
    const struct {
        const char* what;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"crc", changedAt(8), "gzip checksum or length does not match"},
        {"length", changedAt(1), "gzip checksum or length does not match"},
        {"cut", archive.left(archive.size() - 4), "gzip checksum or length does not match"},
        {"more after the end", archive + "x", "gzip checksum or length"},
    };
    for (const auto& c : cases) {
        writeFile(file("x.tar.gz"), c.bytes);
        const ToolResult r = run({"restore", file("x.tar.gz"), "--force"});
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(dataFiles(), before) << c.what;
    }

    // A list counting 5000 pairs and a name of 200 bytes, packed as a backup packs it.
    QByteArray words = before.at("bu1.dat");
    words.replace(3 * 100 * 68, 4, QByteArray::fromHex("88130000"));
    words[3 * 100 * 68 + 4] = char(200);
    tool::FileSet damaged{{"bu1.dat", words}};
    writeFile(file("d.tar.gz"), tool::packArchive(damaged));
    const ToolResult refused = run({"restore", file("d.tar.gz")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("list 3: the list counts 5000 pairs"), std::string::npos)
        << refused.err;
    EXPECT_EQ(dataFiles(), before);
    const ToolResult forced = run({"restore", file("d.tar.gz"), "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(readFile(dataFile("bu1.dat")), words);
}

// A word list cut short: check names the newest sound copy and the command; that command, and
// restore --latest (passing over the snapshot of the broken file), give the words back.
TEST_F(RestoreTest, AFileOfTheWrongSizeHasAWayBack) {
    makeFiles("a");
    const Files sound = dataFiles();
    const QString good = tool::takeSnapshot(data());
    ASSERT_FALSE(good.isEmpty());
    ASSERT_TRUE(QFile::resize(dataFile("bu2.dat"), 500000));

    const ToolResult shown = run({"show", "--language", "2"});
    EXPECT_EQ(shown.status, 1);
    EXPECT_EQ(QString::fromStdString(shown.err).count(dataFile("bu2.dat")), 1) << shown.err;

    const ToolResult checked = run({"check"});
    EXPECT_EQ(checked.status, 1);
    const std::string command = "ordlykta restore " + good.toStdString() + " --only bu2.dat";
    EXPECT_NE(checked.out.find(command), std::string::npos) << checked.out;

    const ToolResult fixed = run({"check", "--fix"});  // nothing it can mend
    EXPECT_EQ(fixed.status, 1);
    ASSERT_EQ(tool::takeSnapshot(data()).isEmpty(), false);  // the broken set, as a start takes

    const ToolResult latest = run({"restore", "--latest"});
    ASSERT_EQ(latest.status, 0) << latest.err;
    EXPECT_NE(latest.out.find("passed over"), std::string::npos) << latest.out;
    EXPECT_NE(latest.out.find("bu2.dat has 500000 bytes"), std::string::npos) << latest.out;
    EXPECT_NE(latest.out.find("restored bu2.dat from " + good.toStdString()), std::string::npos)
        << latest.out;
    EXPECT_EQ(dataFiles(), sound);

    // The same by the command check named, from the broken state again.
    ASSERT_TRUE(QFile::resize(dataFile("bu2.dat"), 500000));
    const ToolResult only = run({"restore", good, "--only", "bu2.dat"});
    ASSERT_EQ(only.status, 0) << only.err;
    EXPECT_EQ(dataFiles(), sound);
}

// The answers database travels with the data files: back whole from an archive that holds it
// (also by --only), untouched by one that does not, refused when the copy in it is damaged.
TEST_F(RestoreTest, TheAnswersGoBackWithTheWords) {
    const std::string db = dataFile("ordlykta.db").toStdString();
    const memory::PairKey katt{1, "katt a", "cat"};
    const auto answers = [&] {
        std::vector<std::string> typed;
        for (const memory::PairHistory& h :
             memory::Database(db, memory::Database::Access::Read).history(1)) {
            for (const memory::AnswerRecord& a : h.answers) {
                typed.push_back(h.state.pair.swedish + ":" + a.typed);
            }
        }
        return typed;
    };
    const auto record = [&](memory::Database& answers, const std::string& typed, int day) {
        answers.recordAnswer({katt, 3, typed, typed == "cat", true}, {86400 * (20000 + day), 0});
    };
    const auto damagedCopy = [&] {
        tool::FileSet files = tool::unpackArchive(file("b.tar.gz"));
        QByteArray& copy = files.at("ordlykta.db");
        copy.replace(4096, 4096, QByteArray(4096, '\xff'));  // its second page
        return files;
    };
    const auto withoutAnswers = [&] {
        tool::FileSet files = tool::unpackArchive(file("b.tar.gz"));
        files.erase("ordlykta.db");
        return files;
    };
    const struct {
        const char* what;
        std::function<tool::FileSet()> archive;  // or the backup as taken
        const char* only;
        bool restoresAnswers;
        const char* refusal;
    } cases[] = {
        {"the backup", {}, nullptr, true, nullptr},
        {"the answers alone", {}, "ordlykta.db", true, nullptr},
        {"an older archive", withoutAnswers, nullptr, false, nullptr},
        {"a damaged copy", damagedCopy, nullptr, false, "ordlykta.db is damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(data()).removeRecursively();
        QDir().mkpath(data());
        makeFiles("a");
        std::vector<std::string> backedUp;
        {
            // Open while the backup reads it: its answer lies in the write-ahead log alone.
            memory::Database open(db, memory::Database::Access::Create);
            record(open, "cta", 0);
            ASSERT_EQ(run({"backup", "--output", file("b.tar.gz")}).status, 0);
            backedUp = answers();
            record(open, "cat", 1);
        }
        ASSERT_EQ(backedUp.size(), 1u);
        QString archive = file("b.tar.gz");
        if (c.archive) {
            archive = file("x.tar.gz");
            writeFile(archive, tool::packArchive(c.archive()));
        }
        makeFiles("b");
        const std::vector<std::string> later = answers();
        const Files before = dataFiles();
        // A start's snapshot: a second one with nothing changed is not taken.
        EXPECT_FALSE(tool::takeSnapshot(data()).isEmpty());
        EXPECT_TRUE(tool::takeSnapshot(data()).isEmpty());
        QStringList arguments{"restore", archive};
        if (c.only != nullptr) {
            arguments << "--only" << c.only;
        }
        const ToolResult r = run(arguments);
        if (c.refusal != nullptr) {
            EXPECT_EQ(r.status, 1);
            EXPECT_NE(r.err.find(c.refusal), std::string::npos) << r.err;
            EXPECT_EQ(dataFiles(), before);
            continue;
        }
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(answers(), c.restoresAnswers ? backedUp : later);
        EXPECT_EQ(dataFiles().at("bu1.dat") == before.at("bu1.dat"), c.only != nullptr);
        // The answers as they were are kept in the snapshot taken before.
        const tool::FileSet kept = tool::unpackArchive(tool::snapshots(data()).value(0));
        EXPECT_EQ(kept.count("ordlykta.db"), 1u);
    }
}

// Two starts at the same instant: the snapshots' own lock makes the second find the first's.
TEST_F(RestoreTest, TwoSnapshotsAtOnceWriteOne) {
    makeFiles("a");
    const tool::FileSet files = tool::readDataFiles(data());
    for (int round = 0; round < 5; ++round) {
        QDir(tool::snapshotFolder(data())).removeRecursively();
        QString taken[2];
        std::thread other([&] { taken[1] = tool::takeSnapshot(data(), files); });
        taken[0] = tool::takeSnapshot(data(), files);
        other.join();
        EXPECT_EQ(tool::snapshots(data()).size(), 1) << round;
        EXPECT_TRUE(taken[0].isEmpty() != taken[1].isEmpty()) << round;
    }
}

// What interrupted work leaves is cleared by the next holder: a journal, an intent whose
// temporaries are whole, a snapshot's temporary file.
TEST_F(RestoreTest, TheNextHolderClearsWhatInterruptedWorkLeft) {
    makeFiles("a");
    const Files before = dataFiles();
    QDir().mkpath(tool::snapshotFolder(data()));
    const QString leftover =
        tool::snapshotFolder(data()) + "/.ordlykta-20261207-131500-042.tar.gz.k3Xq9Z.tmp";
    writeFile(leftover, "half an archive");
    const QString kept = tool::snapshotFolder(data()) + "/notes.txt";
    writeFile(kept, "the user's");
    // An intent naming a whole new bu1.dat under its temporary name.
    writeFile(dataFile(".bu1.dat.Ab12Cd.tmp"), "new words");
    const std::vector<store::Rename> renames{{".bu1.dat.Ab12Cd.tmp", "bu1.dat"}};
    const auto intent = store::encodeIntent(renames);
    writeFile(dataFile(store::kIntentName), bytesOf(intent));
    writeFile(dataFile(".bu3.dat.Zz99Zz.tmp"), "a creation cut short");

    ASSERT_EQ(run({"check", "--fix"}).status, 1);  // takes the lock; bu1.dat is not a list now
    Files expected = before;
    expected["bu1.dat"] = "new words";
    EXPECT_EQ(dataFiles(), expected);
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_TRUE(QFile::exists(kept));

    // An intent that is not whole is dropped with its temporaries.
    writeFile(dataFile(".bu2.dat.Ab12Cd.tmp"), "never renamed");
    const std::vector<store::Rename> other{{".bu2.dat.Ab12Cd.tmp", "bu2.dat"}};
    writeFile(dataFile(store::kIntentName), bytesOf(store::encodeIntent(other)).chopped(1));
    tool::recoverDataFolder(data());
    EXPECT_EQ(dataFiles(), expected);
}

// A change of bu1.dat killed half-way leaves the file torn and its journal live. While the
// program holds the folder, `show`, `export`, `backup` and `check` read the files as last
// committed; with the folder free they roll the change back first, and a crafted journal
// beside a file is reported by `check` and left alone.
TEST_F(RestoreTest, ReadersAfterAKillSeeTheFilesAsLastCommitted) {
    makeFiles("a");
    const auto withoutJournals = [](Files files) {
        std::erase_if(files, [](const auto& f) { return f.first.endsWith(".journal"); });
        return files;
    };
    const Files committed = dataFiles();
    const QStringList show{"show", "--language", "1", "--list", "3"};
    const QStringList exportCsv{"export", "--language", "1", "--format", "csv"};
    const ToolResult shown = run(show);
    const ToolResult exported = run(exportCsv);
    ASSERT_EQ(shown.status, 0);
    const std::string bu1 = dataFile("bu1.dat").toStdString();
    const std::int64_t list3 = std::int64_t{store::recordIndex(3, 0)} * store::kRecordSize;
    ASSERT_TRUE(sweep::killedIn(
        [&] {
            store::RecordFile file(bu1);
            const store::Extent extent{list3, 2 * store::kRecordSize};
            store::Change change(file, {&extent, 1});
            change.write(list3 + 4, std::vector<unsigned char>(40, 'X'));  // half a header
            ::_exit(0);
            return true;
        },
        [](store::FileOp, const std::string&) { return 0; }));
    ASSERT_NE(dataFiles().at("bu1.dat"), committed.at("bu1.dat"));
    const Files torn = dataFiles();
    {
        const store::FolderLock program(data().toStdString());
        ASSERT_EQ(program.state(), store::FolderLock::State::Held);
        EXPECT_EQ(run(show).out, shown.out);
        EXPECT_EQ(run(exportCsv).out, exported.out);
        ASSERT_EQ(run({"backup", "--output", file("b.tar.gz")}).status, 0);
        EXPECT_EQ(tool::readArchive(file("b.tar.gz")).files, committed);
        EXPECT_EQ(run({"check"}).status, 0);
        EXPECT_EQ(dataFiles(), torn);  // nothing written while the program holds the folder
    }
    EXPECT_EQ(run(show).out, shown.out);
    EXPECT_EQ(withoutJournals(dataFiles()), committed);  // rolled back by `show`: it was free

    // A journal made up for another file: left alone and reported.
    store::RecordFile other(dataFile("bu2.dat").toStdString());
    const store::JournalContent crafted{9,
                                        9,
                                        store::kWordListFileSize,
                                        {{list3, std::vector<unsigned char>(68, 'Y')}},
                                        other.identity()};
    other.close();
    store::RecordFile journal(store::journalPath(bu1), store::RecordFile::Opening::Kept);
    store::writeJournal(journal, crafted);
    journal.close();
    const ToolResult checked = run({"check"});
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.out.find(".bu1.dat.journal"), std::string::npos) << checked.out;
    EXPECT_EQ(run(show).out, shown.out);
    EXPECT_EQ(withoutJournals(dataFiles()), committed);
}

}  // namespace
