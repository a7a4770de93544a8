// Every change in place of a data file, failed at every file operation of its path in turn:
// short writes of every length a record can be cut to, a full disk, an input/output error and a
// kill; the journal's own write cut at every byte after each earlier change, in the same run and
// in the run before; a full disk at the journal's pages and at the write back; journals made up
// by hand. After a restart (what the next holder of the folder does first) every file is exactly
// the old one or the new one: no torn record, no pair made up, none lost; and no journal is
// left live. Before the restart, a reader sees the files as last committed. The journal kept
// beside a file is not one of the data files compared.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>

#include "editor/ListEdits.h"
#include "store/Change.h"
#include "store/DataFiles.h"
#include "store/Journal.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tests/support/FaultSweep.h"

namespace {

namespace fs = std::filesystem;
using store::FileOp;
using Bytes = std::string;
using Folder = std::map<std::string, Bytes>;

constexpr int kList = 5;
constexpr int kPairs = 6;

Bytes contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    Bytes bytes(fs::file_size(path), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::span<const unsigned char> bytesOf(const Bytes& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

Folder folderHere() {
    Folder files;
    for (const auto& entry : fs::directory_iterator(".")) {
        files[entry.path().filename().string()] = contentOf(entry.path());
    }
    return files;
}

// The data files alone, without the journals kept beside them.
Folder dataOf(Folder files) {
    std::erase_if(files, [](const auto& file) { return file.first.ends_with(".journal"); });
    return files;
}

// The journals that would be written back: a live one that fits its file. One of another file,
// size or place is left alone and does not count.
int liveJournals() {
    int live = 0;
    for (const std::string& name : store::kDataFileNames) {
        live += store::journalFit(name) == store::JournalFit::Fits;
    }
    return live;
}

void setFolder(const Folder& files) {
    for (const auto& entry : fs::directory_iterator(".")) {
        fs::remove(entry.path());
    }
    for (const auto& [name, bytes] : files) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
}

class JournalFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        // In memory where there is a place for it: the thousands of cases flush often.
        std::string name = fs::is_directory("/dev/shm") ? "/dev/shm/ordlykta-journal-XXXXXX"
                                                        : "/tmp/ordlykta-journal-XXXXXX";
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir_ = name;
        before_ = fs::current_path();
        fs::current_path(dir_);
        store::createWordList(1);
        store::createSettings();
        for (int i = 1; i <= kPairs; ++i) {
            listedit::appendPair(1, kList, "ord" + std::to_string(i), "word" + std::to_string(i));
        }
        old_ = folderHere();
    }
    void TearDown() override {
        store::setFaultHook({});
        fs::current_path(before_);
        fs::remove_all(dir_);
    }

    fs::path dir_;
    fs::path before_;
    Folder old_;
};

struct Change {
    const char* name;
    std::function<void()> run;
    bool firstChange = false;  // no journal is kept yet: the change makes it
};

const Change kChanges[] = {
    {"append", [] { listedit::appendPair(1, kList, "ny", "new"); }},
    {"append, the journal made", [] { listedit::appendPair(1, kList, "ny", "new"); }, true},
    {"insert first", [] { listedit::insertPair(1, kList, 1, "ny", "new"); }},
    {"insert middle", [] { listedit::insertPair(1, kList, 3, "ny", "new"); }},
    {"insert last", [] { listedit::insertPair(1, kList, kPairs, "ny", "new"); }},
    {"remove first", [] { listedit::removePair(1, kList, 1); }},
    {"remove middle", [] { listedit::removePair(1, kList, 3); }},
    {"remove last", [] { listedit::removePair(1, kList, kPairs); }},
    {"rename",
     [] {
         store::WordRecord header = store::readHeader(1, kList);
         header.first = "Djur och natur";
         store::writeHeader(1, kList, header);
     }},
    {"settings",
     [] {
         store::Settings settings = store::loadSettings();
         settings.language = 3;
         settings.names[2] = "Tyska";
         store::saveSettings(settings);
     }},
};

// What the restart does, then the data files it leaves; it leaves no live journal.
Folder restarted() {
    store::setFaultHook({});
    store::recoverFolder(".", store::kDataFileNames);
    EXPECT_EQ(liveJournals(), 0);
    return dataOf(folderHere());
}

// The data files as a reader that does not hold the folder sees them now.
Folder committed() {
    store::setFaultHook({});
    Folder files;
    for (const std::string& name : store::kDataFileNames) {
        if (fs::exists(name)) {
            const auto bytes = store::readCommitted(name, 1 << 20);
            files[name] = Bytes(bytes.begin(), bytes.end());
        }
    }
    return files;
}

// Where a fault can strike an operation of this kind: each length a record can be cut to, a
// full disk, an input/output error, and a kill (after a cut write too).
std::vector<sweep::Fault> faultsOf(FileOp op) {
    std::vector<sweep::Fault> faults{{EIO, false, "I/O error"}, {0, true, "killed"}};
    for (int bytes = 1; op == FileOp::Write && bytes < store::kRecordSize; ++bytes) {
        const std::string cut = std::to_string(bytes) + " bytes written";
        faults.push_back({store::shortWrite(bytes), false, cut + ", then disk full"});
        faults.push_back({store::shortWrite(bytes), true, cut + ", then killed"});
    }
    faults.push_back({ENOSPC, false, "disk full"});
    return faults;
}

TEST_F(JournalFaults, EveryFaultAtEveryOperationLeavesTheOldFilesOrTheNew) {
    int cases = 0;
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        const Folder given = change.firstChange ? dataOf(old_) : old_;
        const Folder old = dataOf(old_);
        const sweep::Action act = sweep::failingWith<store::IoError>(change.run);
        setFolder(given);
        const std::vector<FileOp> ops = sweep::operationsOf(act);
        const Folder changed = restarted();
        ASSERT_NE(changed, old);
        const auto state = [&](const Folder& files) {
            return files == old ? "old" : files == changed ? "new" : "neither";
        };
        cases += sweep::run(
            ops, faultsOf, [&] { setFolder(given); }, act,
            [&](sweep::Outcome outcome, const std::string& what) {
                if (outcome == sweep::Outcome::Killed) {
                    EXPECT_NE(state(restarted()), "neither") << what;
                    return;
                }
                const bool failed = outcome == sweep::Outcome::Failed;
                // Rolled back at once, or the journal waits for the restart; either way a reader
                // sees the files as last committed.
                EXPECT_TRUE(!failed || dataOf(folderHere()) == old || liveJournals() > 0) << what;
                EXPECT_EQ(state(committed()), failed ? "old" : "new") << what;
                EXPECT_EQ(state(restarted()), failed ? "old" : "new")
                    << what << (failed ? ": failed" : ": done");
            });
    }
    std::cout << "journal faults: " << cases << " cases\n";
    EXPECT_GT(cases * static_cast<int>(sweep::every()), 3000);
}

// A journal is trusted only whole: cut short anywhere or with any bit flipped, it is left as it
// is and so is the file (it was never touched before the journal was on the disk).
TEST_F(JournalFaults, AJournalThatIsNotWholeIsLeftAloneAndSoIsTheFile) {
    const store::JournalContent content{
        7,
        0x1234'5678'9abc'def0,
        store::kWordListFileSize,
        {{6800, std::vector<unsigned char>(68, 'a')}, {0, {1, 2, 3}}},
        {2049, 1234567}};
    const std::vector<unsigned char> whole = store::encodeJournal(content);
    ASSERT_EQ(store::decodeJournal(whole), content);
    std::vector<std::vector<unsigned char>> broken;
    for (std::size_t n = 0; n < whole.size(); ++n) {
        broken.emplace_back(whole.begin(), whole.begin() + static_cast<long>(n));
    }
    for (std::size_t bit = 0; bit < whole.size() * 8; ++bit) {
        broken.push_back(whole);
        broken.back()[bit / 8] ^= static_cast<unsigned char>(1u << (bit % 8));
    }
    std::vector<unsigned char> longer = whole;
    longer.push_back(0);
    broken.push_back(longer);
    for (const auto& bytes : broken) {
        EXPECT_FALSE(store::decodeJournal(bytes)) << bytes.size() << " bytes";
    }
    // One of them as a leftover beside the file.
    std::ofstream(".bu1.dat.journal", std::ios::binary)
        .write(reinterpret_cast<const char*>(broken[40].data()), 40);
    const Folder left = folderHere();
    EXPECT_TRUE(restarted() == dataOf(old_));
    EXPECT_EQ(folderHere(), left);
}

// An intent names files of its own folder only: a name with a folder in it, or one cut short,
// is no intent, and is removed without a rename.
TEST_F(JournalFaults, AnIntentRenamesOnlyWithinItsFolder) {
    const std::vector<store::Rename> good{{".bu1.dat.Ab12Cd.tmp", "bu1.dat"},
                                          {".agen.dat.Xy34Zw.tmp", "agen.dat"}};
    const auto whole = store::encodeIntent(good);
    EXPECT_EQ(store::decodeIntent(whole), good);
    for (const store::Rename& bad : std::vector<store::Rename>{{"../x", "bu1.dat"},
                                                               {".bu1.dat.Ab12Cd.tmp", "/etc/x"},
                                                               {".bu1.dat.Ab12Cd.tmp", ".."},
                                                               {"", "bu1.dat"},
                                                               {".tmp", "sub/bu1.dat"}}) {
        const std::vector<store::Rename> one{bad};
        EXPECT_FALSE(store::decodeIntent(store::encodeIntent(one)))
            << bad.first << " " << bad.second;
    }
    for (std::size_t n = 0; n < whole.size(); ++n) {
        EXPECT_FALSE(store::decodeIntent({whole.data(), n})) << n;
    }
    std::ofstream(".bu1.dat.Ab12Cd.tmp") << "new";
    std::ofstream(store::kIntentName, std::ios::binary)
        .write(reinterpret_cast<const char*>(whole.data()), static_cast<long>(whole.size()) - 1);
    EXPECT_TRUE(restarted() == dataOf(old_));  // no rename, the temporary gone with the intent
}

// Only a live journal is written back, and only into the file it was written for.
TEST_F(JournalFaults, OnlyALiveJournalOfTheSameFileIsWrittenBack) {
    const std::int64_t header = std::int64_t{store::recordIndex(kList, 0)} * store::kRecordSize;
    const struct {
        const char* name;
        std::function<void(store::JournalContent&)> written;  // the journal as written
        std::function<void(store::RecordFile&)> then;         // what happened after
        bool writtenBack;
    } cases[] = {
        {"live, of this file", {}, {}, true},
        {"marked empty", {}, [](store::RecordFile& j) { store::markJournalEmpty(j, 1); }, false},
        {"of a file put in place by a rename since",
         {},
         [](store::RecordFile&) {
             fs::copy_file("bu1.dat", "bu1.new");
             fs::rename("bu1.new", "bu1.dat");
         },
         false},
        {"of a longer file", [](store::JournalContent& c) { c.fileSize += 68; }, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setFolder(dataOf(old_));
        store::JournalContent content{1,
                                      99,
                                      store::kWordListFileSize,
                                      {{header, std::vector<unsigned char>(68, 'x')}},
                                      store::RecordFile("bu1.dat").identity()};
        if (c.written) {
            c.written(content);
        }
        store::RecordFile journal(".bu1.dat.journal", store::RecordFile::Opening::Emptied);
        store::writeJournal(journal, content);
        if (c.then) {
            c.then(journal);
        }
        journal.close();
        Folder expected = dataOf(old_);
        if (c.writtenBack) {
            expected["bu1.dat"].replace(static_cast<std::size_t>(header), 68, 68, 'x');
        }
        EXPECT_TRUE(restarted() == expected);
    }
}

// The kept journal holds a whole list's records; a bigger change grows it, and is rolled back
// from it when killed.
TEST_F(JournalFaults, ABiggerChangeGrowsTheJournal) {
    const Bytes old = contentOf("bu1.dat");
    std::vector<std::uintmax_t> sizes;
    for (const std::int64_t records : {1, 100, 150, 1}) {
        SCOPED_TRACE(records);
        const std::int64_t length = records * store::kRecordSize;
        ASSERT_TRUE(sweep::killedIn(
            [&] {
                store::RecordFile file("bu1.dat");
                const store::Extent extent{6800, length};
                store::Change change(file, {&extent, 1});
                change.write(6800, std::vector<unsigned char>(static_cast<std::size_t>(length)));
                ::_exit(0);  // killed before the change stands
                return true;
            },
            [](FileOp, const std::string&) { return 0; }));
        sizes.push_back(fs::file_size(".bu1.dat.journal"));
        EXPECT_GT(sizes.back(), static_cast<std::uintmax_t>(length));
        EXPECT_NE(contentOf("bu1.dat"), old);
        EXPECT_TRUE(store::rollBackJournal("bu1.dat"));
        EXPECT_EQ(contentOf("bu1.dat"), old);
    }
    EXPECT_EQ(sizes[1], sizes[0]);  // a whole list fits the journal as first made
    EXPECT_GT(sizes[2], sizes[1]);
    EXPECT_EQ(sizes[3], sizes[2]);  // and it is never cut back
}

// The change that follows one that stood cuts its journal's write short at every byte and is
// killed there, with the change before made in the same run or in the run before. The journal
// of the change before is never taken for live again: readers and the restart give the files
// as that change left them.
TEST_F(JournalFaults, AJournalWriteCutShortNeverRevivesTheJournalBefore) {
    const Change& append = kChanges[0];
    const Change& settings = kChanges[std::size(kChanges) - 1];
    int cases = 0;
    for (const Change& earlier : kChanges) {
        if (earlier.firstChange) {
            continue;
        }
        const bool ofSettings = &earlier == &settings;
        const Change& next = ofSettings ? settings : append;
        const std::string journal = ofSettings ? ".agen.dat.journal" : ".bu1.dat.journal";
        // What the next change's journal write holds: its original records, one or two.
        const store::JournalContent shape{
            1,
            1,
            0,
            ofSettings ? std::vector<store::JournalEntry>{{0, std::vector<unsigned char>(112)}}
                       : std::vector<store::JournalEntry>{{0, std::vector<unsigned char>(68)},
                                                          {0, std::vector<unsigned char>(68)}},
            {}};
        const std::size_t written = store::encodeJournal(shape).size();
        setFolder(old_);
        earlier.run();
        const Folder before = dataOf(folderHere());
        for (const bool sameRun : {false, true}) {
            for (std::size_t bytes = 0; bytes <= written; ++bytes) {
                if (bytes % sweep::every() != 0) {
                    continue;
                }
                const std::string what =
                    std::string(earlier.name) + (sameRun ? ", same run" : ", run before") + ", " +
                    std::to_string(bytes) + " of " + std::to_string(written) + " bytes";
                setFolder(old_);
                if (!sameRun) {
                    earlier.run();
                }
                bool cutting = false;
                ASSERT_TRUE(sweep::killedIn(
                    [&] {
                        if (sameRun) {
                            earlier.run();
                        }
                        cutting = true;
                        next.run();
                        return true;
                    },
                    [&](FileOp op, const std::string& path) {
                        const bool cut = cutting && op == FileOp::Write && path == journal;
                        cutting = cutting && !cut;
                        return cut ? store::shortWrite(static_cast<int>(bytes)) : 0;
                    }))
                    << what;
                EXPECT_TRUE(committed() == before) << what << ": a reader saw another list";
                EXPECT_TRUE(restarted() == before) << what;
                ++cases;
            }
        }
    }
    std::cout << "journal writes cut short: " << cases << " cases\n";
}

// Journals with a sound checksum that do not fit their file: of another file, of another size,
// with extents off the records or outside the file. None is written back, nor laid over what a
// reader reads; each stays as it is for `check` to report, and the next change of the file
// writes its own over it.
TEST_F(JournalFaults, AJournalThatDoesNotFitItsFileIsNeverApplied) {
    const auto identity = [](const char* name) { return store::RecordFile(name).identity(); };
    const auto records = [](int n) {
        return std::vector<unsigned char>(static_cast<std::size_t>(n) * 68, 'x');
    };
    const std::int64_t list2 = std::int64_t{store::recordIndex(2, 0)} * 68;
    std::ofstream("bu2.dat", std::ios::binary) << contentOf("bu1.dat");
    const Folder given = folderHere();
    const std::vector<store::WordRecord> oldPairs = listedit::readPairs(1, kList);
    const struct {
        const char* name;
        const char* file;
        std::int64_t size;
        std::vector<store::JournalEntry> entries;
        const char* identityOf;
    } cases[] = {
        {"size 1000", "bu1.dat", 1000, {{list2, records(1)}}, "bu1.dat"},
        {"a record longer",
         "bu1.dat",
         store::kWordListFileSize + 68,
         {{list2, records(1)}},
         "bu1.dat"},
        {"off the records",
         "bu1.dat",
         store::kWordListFileSize,
         {{list2 + 4, records(1)}},
         "bu1.dat"},
        {"part of a record", "bu1.dat", store::kWordListFileSize, {{list2, {1, 2, 3}}}, "bu1.dat"},
        {"past the end",
         "bu1.dat",
         store::kWordListFileSize,
         {{store::kWordListFileSize - 68, records(2)}},
         "bu1.dat"},
        {"another file", "bu1.dat", store::kWordListFileSize, {{list2, records(1)}}, "bu2.dat"},
        {"settings, part of the record",
         "agen.dat",
         store::kSettingsSize,
         {{0, records(1)}},
         "agen.dat"},
        {"settings of a word-list file",
         "agen.dat",
         store::kWordListFileSize,
         {{list2, records(1)}},
         "agen.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setFolder(given);
        const store::JournalContent content{5, 77, c.size, c.entries, identity(c.identityOf)};
        ASSERT_TRUE(store::decodeJournal(store::encodeJournal(content)));
        {
            store::RecordFile journal(store::journalPath(c.file), store::RecordFile::Opening::Kept);
            store::writeJournal(journal, content);
            journal.close();
        }
        EXPECT_EQ(store::journalFit(c.file), store::JournalFit::LeftAlone);
        EXPECT_TRUE(committed() == dataOf(given));
        EXPECT_TRUE(listedit::readPairs(1, kList) == oldPairs);
        const Folder left = folderHere();
        store::recoverFolder(".", store::kDataFileNames);
        EXPECT_TRUE(folderHere() == left) << "written back or touched";
        // The next change writes its own journal over it, and stands.
        if (std::string(c.file) == "bu1.dat") {
            EXPECT_EQ(listedit::appendPair(1, kList, "ny", "new"), kPairs + 1);
        } else {
            store::saveSettings(store::loadSettings());
        }
        EXPECT_EQ(store::journalFit(c.file), store::JournalFit::None);
    }
}

// A full disk where a copy-on-write filesystem needs new pages: at the journal's write (the
// change is refused, nothing changed), or at a write of the file with every write back failing
// too. Then the journal stays live, the file may stay torn, yet every reader (the editor's
// reading included) sees the list as it was, and the next holder, or the next change, writes
// it back once there is room.
TEST_F(JournalFaults, AFullDiskAtTheJournalOrTheWriteBackShowsTheListAsItWas) {
    int cases = 0;
    const std::vector<store::WordRecord> oldPairs = listedit::readPairs(1, kList);
    for (const Change& change : kChanges) {
        if (change.firstChange) {
            continue;
        }
        SCOPED_TRACE(change.name);
        const bool ofSettings = &change == &kChanges[std::size(kChanges) - 1];
        const std::string file = ofSettings ? "agen.dat" : "bu1.dat";
        const std::string journal = "." + file + ".journal";
        int dataWrites = 0;
        setFolder(old_);
        store::setFaultHook([&](FileOp op, const std::string& path) {
            dataWrites += op == FileOp::Write && path == file;
            return 0;
        });
        change.run();
        // -1: the journal's write; k: the k-th write of the file, and every one after it.
        for (int at = -1; at < dataWrites; ++at) {
            for (const int code : {store::shortWrite(0), store::shortWrite(30), ENOSPC}) {
                const std::string what =
                    "write " + std::to_string(at) + ", code " + std::to_string(code);
                setFolder(old_);
                int seen = 0;
                bool first = true;
                store::setFaultHook([&](FileOp op, const std::string& path) {
                    if (op != FileOp::Write) {
                        return 0;
                    }
                    if (at < 0) {
                        const bool fail = path == journal && first;
                        first = first && !fail;
                        return fail ? code : 0;
                    }
                    if (path != file || seen++ < at) {
                        return 0;
                    }
                    return std::exchange(first, false) ? code : ENOSPC;
                });
                EXPECT_FALSE(sweep::failingWith<store::IoError>(change.run)()) << what;
                store::setFaultHook({});
                EXPECT_TRUE(committed() == dataOf(old_)) << what;
                EXPECT_TRUE(listedit::readPairs(1, kList) == oldPairs) << what;
                EXPECT_TRUE(restarted() == dataOf(old_)) << what;
                ++cases;
            }
        }
    }
    std::cout << "full disk at the journal or the write back: " << cases << " cases\n";
}

// Once a replacement's intent is in the folder, the temporaries it names are only ever renamed:
// a failure at any operation after leaves each in place or renamed, and the next holder
// finishes. No journal of a replaced file outlives it.
TEST_F(JournalFaults, AReplacementNeverRemovesWhatItsIntentNames) {
    const Folder fresh{{"agen.dat", "new settings"}, {"bu1.dat", "new words"}};
    std::vector<store::NewFile> files;
    for (const auto& [name, bytes] : fresh) {
        files.push_back(
            {name, {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}});
    }
    ASSERT_TRUE(fs::exists(".bu1.dat.journal"));
    const sweep::Action replace =
        sweep::failingWith<store::IoError>([&] { store::replaceFiles(".", files); });
    const std::vector<FileOp> ops = sweep::operationsOf(replace);
    EXPECT_EQ(folderHere(), fresh);
    const auto faults = [](FileOp) {
        return std::vector<sweep::Fault>{{EIO, false, "I/O error"}, {ENOSPC, false, "disk full"}};
    };
    const auto check = [&](sweep::Outcome outcome, const std::string& what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(outcome, sweep::Outcome::Failed);
        const bool intentLeft = fs::exists(store::kIntentName);
        if (intentLeft) {
            const auto renames = store::decodeIntent(bytesOf(contentOf(store::kIntentName)));
            ASSERT_TRUE(renames);
            for (const auto& [from, to] : *renames) {
                EXPECT_NE(fs::exists(from), contentOf(to) == fresh.at(to)) << from;
            }
        }
        const Folder after = restarted();
        EXPECT_TRUE(after == fresh || (!intentLeft && after == dataOf(old_)))
            << (intentLeft ? "not finished" : "neither the old files nor the new");
    };
    sweep::run(
        ops, faults, [&] { setFolder(old_); }, replace, check);
}

}  // namespace
