// The learning memory: the schedule against the reference table, the learner's day, and the
// answers database with what may go wrong with it.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "memory/Clock.h"
#include "memory/Database.h"
#include "memory/Fsrs.h"
#include "memory/Memory.h"
#include "memory/PairFile.h"

namespace {

using namespace memory;

// 2026-12-07 12:00 UTC, an hour east of it.
constexpr std::int64_t kNoon = 1796644800;
constexpr int kCet = 3600;

TEST(FsrsTest, EveryStepOfTheReferenceSequences) {
    std::ifstream table(ORDLYKTA_FIXTURES "/fsrs/reference.txt");
    ASSERT_TRUE(table.good());
    std::string line;
    Schedule schedule;
    int current = 0;
    int checked = 0;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int sequence, day, right, interval, reps, lapses;
        double stability, difficulty;
        fields >> sequence >> day >> right >> stability >> difficulty >> interval >> reps >> lapses;
        ASSERT_FALSE(fields.fail()) << line;
        if (sequence != current) {
            schedule = {};
            current = sequence;
        }
        schedule = rate(schedule, right == 1, day);
        SCOPED_TRACE(line);
        EXPECT_NEAR(schedule.stability, stability, 1e-4 * stability);
        EXPECT_NEAR(schedule.difficulty, difficulty, 1e-4 * difficulty);
        EXPECT_EQ(schedule.interval, interval);
        EXPECT_EQ(schedule.reps, reps);
        EXPECT_EQ(schedule.lapses, lapses);
        ++checked;
    }
    EXPECT_GT(checked, 5000);
}

TEST(FsrsTest, RetrievabilityIsNinetyPercentAfterTheStability) {
    EXPECT_NEAR(retrievability(10, 10), 0.9, 1e-6);
    EXPECT_DOUBLE_EQ(retrievability(10, 0), 1);
    EXPECT_LT(retrievability(10, 30), retrievability(10, 20));
}

// The pairs handed to the trainer come back word for word, whatever bytes the words hold.
TEST(PairFileTest, EveryStoredWordComesBackAsItWas) {
    const std::vector<memory::PairKey> pairs = {
        {2, "hund", "dog"},
        {2, "100%", "%41 \t"},            // a "%" and what looks like a code
        {2, "ett\ttvå", "rad\nny\rrad"},  // the separators themselves
        {2, "", "\xe5\xe4\xf6 \x80"},     // an empty word, Windows-1252 bytes
    };
    EXPECT_EQ(memory::readPairLines(memory::pairLines(pairs), 2), pairs);
    EXPECT_EQ(memory::pairLines({pairs[1]}), "100%25\t%2541 %09\n");
    // A line that is no pair is passed by; a "%" without a code stays.
    EXPECT_EQ(memory::readPairLines("utan flik\n5%\tx%4\n", 1),
              std::vector<memory::PairKey>({{1, "5%", "x%4"}}));
}

TEST(ClockTest, TheDayStartsAtFourInTheMorningLocalTime) {
    struct Case {
        std::int64_t seconds;
        int offset;
        const char* date;
        const char* iso;
    };
    const Case cases[] = {
        {kNoon, kCet, "2026-12-07", "2026-12-07T13:00:00+01:00"},
        {kNoon + 14 * 3600 + 59 * 60, kCet, "2026-12-07", "2026-12-08T03:59:00+01:00"},
        {kNoon + 15 * 3600, kCet, "2026-12-08", "2026-12-08T04:00:00+01:00"},
        {kNoon - 9 * 3600, -5 * 3600 - 1800, "2026-12-06", "2026-12-06T21:30:00-05:30"},
        {0, 0, "1969-12-31", "1970-01-01T00:00:00+00:00"},
    };
    for (const Case& c : cases) {
        const Moment m{c.seconds, c.offset};
        EXPECT_EQ(dateOf(dayOf(m)), c.date) << c.iso;
        EXPECT_EQ(isoTime(m), c.iso);
    }
}

class DatabaseTest : public ::testing::Test {
  protected:
    std::string path(const char* name = kDatabaseName) const {
        return (dir_.path() + "/" + name).toStdString();
    }
    std::string folder() const { return dir_.path().toStdString(); }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files); }
    Clock clockAt(const std::int64_t& seconds) {
        return [&seconds] { return Moment{seconds, kCet}; };
    }

    QTemporaryDir dir_;
    const PairKey hund{1, "hund", "dog"};
    const PairKey katt{1, "katt", "cat"};
};

TEST_F(DatabaseTest, OnlyTheDaysFirstAnswerMovesTheSchedule) {
    Database db(path(), true);
    const Moment monday{kNoon, kCet};
    db.recordAnswer({hund, 3, "dgo", false, true}, monday);
    db.recordAnswer({hund, 3, "dog", true, false}, {kNoon + 60, kCet});
    db.recordAnswer({katt, 4, "cat", true, true}, monday);
    db.recordAnswer({hund, 5, "dog", true, true}, {kNoon + 86400, kCet});

    const auto pairs = db.pairs(1);
    ASSERT_EQ(pairs.size(), 2u);
    // Ordered by list: hund was last asked from list 5.
    EXPECT_EQ(pairs[0].pair, katt);
    EXPECT_EQ(pairs[1].pair, hund);
    EXPECT_EQ(pairs[1].list, 5);
    Schedule expected = rate({}, false, dayOf(monday));
    expected = rate(expected, true, dayOf(monday) + 1);
    EXPECT_EQ(pairs[1].schedule.reps, 2);
    EXPECT_EQ(pairs[1].schedule.lapses, 0);
    EXPECT_DOUBLE_EQ(pairs[1].schedule.stability, expected.stability);
    EXPECT_EQ(pairs[1].schedule.dueDay(), expected.dueDay());
    EXPECT_TRUE(db.pairs(2).empty());

    const auto history = db.history(0);
    ASSERT_EQ(history.size(), 2u);
    ASSERT_EQ(history[1].answers.size(), 3u);
    EXPECT_EQ(history[1].answers[0].typed, "dgo");
    EXPECT_FALSE(history[1].answers[0].right);
    EXPECT_FALSE(history[1].answers[1].first);
    EXPECT_EQ(history[1].answers[1].at.seconds, kNoon + 60);
    EXPECT_EQ(history[1].answers[1].at.offset, kCet);
    EXPECT_TRUE(db.integrityCheck().empty());
}

TEST_F(DatabaseTest, TheDuePairsComeLeastRetrievableFirst) {
    Database db(path(), true);
    const Moment start{kNoon, kCet};
    db.recordAnswer({hund, 1, "", false, true}, start);
    db.recordAnswer({katt, 1, "cat", true, true}, start);
    const int today = dayOf(start);
    const Today tomorrow = dueOn(db.pairs(1), today + 1);
    ASSERT_EQ(tomorrow.due.size(), 1u);
    EXPECT_EQ(tomorrow.due[0].state.pair, hund);
    EXPECT_EQ(tomorrow.nextDay, today + 3);  // a first Good: three days
    const Today later = dueOn(db.pairs(1), today + 10);
    ASSERT_EQ(later.due.size(), 2u);
    EXPECT_EQ(later.due[0].state.pair, hund);
    EXPECT_LT(later.due[0].retrievability, later.due[1].retrievability);
    EXPECT_EQ(later.nextDay, -1);
}

TEST_F(DatabaseTest, NothingIsMadeUntilTheFirstRecording) {
    std::int64_t now = kNoon;
    Keeper keeper(folder(), clockAt(now));
    keeper.open();
    EXPECT_TRUE(keeper.today(1).due.empty());
    EXPECT_TRUE(files().isEmpty());
    keeper.answered({hund, 1, "dog", true, true});
    EXPECT_EQ(files(), QStringList({"ordlykta.db", "ordlykta.db-shm", "ordlykta.db-wal"}));
    now += 4 * 86400;
    EXPECT_EQ(keeper.today(1).due.size(), 1u);
}

TEST_F(DatabaseTest, ADamagedDatabaseIsSetAsideAndANewOneBegun) {
    const QByteArray junk(4096, 'x');
    for (const bool openFirst : {true, false}) {
        SCOPED_TRACE(openFirst);
        QFile file(QString::fromStdString(path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(junk);
        file.close();
        std::int64_t now = kNoon + (openFirst ? 0 : 1);
        Keeper keeper(folder(), clockAt(now));
        if (openFirst) {
            keeper.open();
        }
        keeper.answered({hund, 1, "dog", true, true});
        const std::string aside = openFirst ? "ordlykta-damaged-20261207-130000.db"
                                            : "ordlykta-damaged-20261207-130001.db";
        EXPECT_EQ(keeper.setAside(), aside);
        QFile kept(dir_.path() + "/" + QString::fromStdString(aside));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), junk);
        EXPECT_EQ(Database(path(), false).history(1).size(), 1u);
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile::remove(QString::fromStdString(path()) + suffix);
        }
    }
}

TEST_F(DatabaseTest, ALockedDatabaseLosesOnlyTheAnswer) {
    std::int64_t now = kNoon;
    Keeper keeper(folder(), clockAt(now));
    keeper.answered({hund, 1, "dog", true, true});
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    keeper.answered({katt, 1, "cat", true, true});  // waits a moment, then gives up
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    keeper.answered({katt, 1, "cat", true, true});
    const auto history = Database(path(), false).history(1);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].answers.size() + history[1].answers.size(), 2u);
    EXPECT_EQ(keeper.setAside(), "");
}

// Each answer is one transaction: a kill at any moment leaves a sound database in which every
// pair that was rated has its answer, and the reverse.
TEST_F(DatabaseTest, AKillWhileRecordingLosesAtMostTheAnswerUnderWay) {
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::int64_t now = kNoon;
            Keeper keeper(folder(), clockAt(now));
            for (int i = 0;; ++i) {
                const std::string word = std::to_string(round) + "-" + std::to_string(i);
                keeper.answered({{1, word, "word"}, 1, "word", true, true});
            }
        }
        usleep(static_cast<useconds_t>(2000 + round * 1500));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        if (!databaseExists(path())) {
            continue;
        }
        SCOPED_TRACE(round);
        const Database db(path(), false);
        EXPECT_TRUE(db.integrityCheck().empty());
        const auto history = db.history(1);
        EXPECT_EQ(history.size(), db.pairs(1).size());
        for (const auto& h : history) {
            EXPECT_EQ(h.answers.size(), 1u);
            EXPECT_EQ(h.state.schedule.reps, 1);
        }
    }
}

TEST_F(DatabaseTest, ACopyHoldsEveryAnswerInOneFile) {
    Database db(path(), true);
    db.recordAnswer({hund, 1, "dog", true, true}, {kNoon, kCet});
    db.copyTo(path("copy.db"));
    EXPECT_FALSE(QFile::exists(dir_.path() + "/copy.db-wal"));
    EXPECT_EQ(Database(path("copy.db"), false).history(1).size(), 1u);
    EXPECT_THROW(Database(path("none.db"), false), Error);
}

}  // namespace
