// What the drill screens keep in the answers database, and how they fare when it cannot be
// kept: the word lists stay byte for byte, no box comes, the screens go on.

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <map>
#include <set>

#include "learn/Unit4.h"
#include "memory/Database.h"
#include "memory/Fsrs.h"
#include "menu/Unit2.h"
#include "quiz/ReviewScreen.h"
#include "quiz/Unit5.h"
#include "tests/support/Fixture.h"
#include "ui/Text.h"

namespace {

const Pairs kFour = {{"hund", "dog"}, {"katt", "cat"}, {"häst", "horse"}, {"ko", "cow"}};

std::string stored(const QString& word) {
    return ui::toStore(word);
}

class MemoryScreenTest : public ProgramTest {
  protected:
    TForm5& quiz() { return *screens().quizList; }

    void openQuiz() {
        givenSettings(1, {3, 1, 1});
        givenList(1, 3, kFour);
        showMenu();
        openFromMenu(&quiz());
    }
    // Answers the `questions` questions of a pass, the Swedish words in `wrong` with "fel".
    // Returns the Swedish words in the order asked.
    QStringList answerAll(int questions, const std::set<QString>& wrong = {}) {
        return answerOn(quiz(), questions, wrong);
    }
    QStringList answerOn(quiz::QuizScreen& s, int questions, const std::set<QString>& wrong = {}) {
        const std::map<QString, QString> right(kFour.begin(), kFour.end());
        QStringList asked;
        for (int i = 0; i < questions; ++i) {
            asked << s.lblSVE->text();
            type(s.edtFOR, wrong.count(asked.back()) ? "fel" : right.at(asked.back()));
            click(s.buttNEXT);
        }
        return asked;
    }
    // Every answer kept, by Swedish word: (typed, right, first) in order.
    using Kept = std::map<std::string, std::vector<std::tuple<std::string, bool, bool>>>;
    static Kept kept() {
        Kept result;
        for (const auto& h : memory::Database(memory::kDatabaseName, false).history(1)) {
            for (const auto& a : h.answers) {
                result[h.state.pair.swedish].emplace_back(a.typed, a.right, a.first);
            }
        }
        return result;
    }
    static std::map<std::string, memory::PairState> schedules() {
        std::map<std::string, memory::PairState> result;
        for (const auto& p : memory::Database(memory::kDatabaseName, false).pairs(1)) {
            result[p.pair.swedish] = p;
        }
        return result;
    }
    int today() const { return memory::dayOf(now); }
    static std::size_t answersKept() {
        std::size_t count = 0;
        for (const auto& [swedish, answers] : kept()) {
            count += answers.size();
        }
        return count;
    }
    // The data files by name, with their bytes.
    static std::map<QString, QByteArray> dataFiles() {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir().entryList({"*.dat"}, QDir::Files)) {
            files[name] = fileBytes(name);
        }
        return files;
    }
};

// Fills the disk that holds `path` with a file there, in smaller and smaller pieces until the
// disk refuses even a byte.
void fillDisk(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    ASSERT_GE(fd, 0);
    for (const std::size_t size : {65536u, 4096u, 512u, 1u}) {
        const std::vector<char> zeros(size);
        while (::write(fd, zeros.data(), size) == static_cast<ssize_t>(size)) {
        }
        ::fsync(fd);
    }
    ::close(fd);
}

}  // namespace

TEST_F(MemoryScreenTest, AListQuizKeepsEveryAnswerAndTheDaysFirstOnesRateThePairs) {
    openQuiz();
    const QByteArray words = fileBytes("bu1.dat");
    EXPECT_FALSE(QFile::exists(memory::kDatabaseName));  // nothing is made before an answer
    answerAll(4, {"katt", "ko"});
    EXPECT_EQ(quiz().lblMESS->text(), " Klart: 2 av 4 rätt. Klicka på # för att se rätt svar.");
    dialogs.expectConfirm("Förhör felsvarade glosor", true);
    click(quiz().buttNEXT);
    answerAll(2, {"ko"});
    dialogs.expectConfirm("Förhör felsvarade glosor", true);
    click(quiz().buttNEXT);
    answerAll(1);
    EXPECT_EQ(quiz().lblMESS->text(), " Bra gjort! Alla rätt!");

    using A = std::tuple<std::string, bool, bool>;
    const Kept expected = {
        {"hund", {A{"dog", true, true}}},
        {"katt", {A{"fel", false, true}, A{"cat", true, false}}},
        {stored("häst"), {A{"horse", true, true}}},
        {"ko", {A{"fel", false, true}, A{"fel", false, false}, A{"cow", true, false}}},
    };
    EXPECT_EQ(kept(), expected);

    // The wrong ones are due tomorrow, the right ones three days on; repeats move nothing.
    auto s = schedules();
    for (const auto& [swedish, pairs] : expected) {
        const bool firstRight = std::get<1>(pairs.front());
        const memory::Schedule rated = memory::rate({}, firstRight, today());
        SCOPED_TRACE(swedish);
        EXPECT_EQ(s[swedish].list, 3);
        EXPECT_EQ(s[swedish].schedule.dueDay(), today() + (firstRight ? 3 : 1));
        EXPECT_DOUBLE_EQ(s[swedish].schedule.stability, rated.stability);
        EXPECT_EQ(s[swedish].schedule.reps, 1);
        EXPECT_EQ(s[swedish].schedule.lapses, 0);
    }

    // The next day, a wrong answer to a pair once answered is its first lapse.
    now.seconds += 86400;
    dialogs.expectConfirm("Förhör glosorna igen", true);
    click(quiz().buttNEXT);
    answerAll(4, {"hund"});
    s = schedules();
    EXPECT_EQ(s["hund"].schedule.lapses, 1);
    EXPECT_EQ(s["hund"].schedule.reps, 2);
    EXPECT_EQ(s["ko"].schedule.dueDay(), today() + 3);
    EXPECT_EQ(fileBytes("bu1.dat"), words);
}

TEST_F(MemoryScreenTest, TheLearnScreenKeepsEachPairShown) {
    givenSettings(1, {3, 1, 1});
    givenList(1, 3, kFour);
    showMenu();
    TForm4& learn = *screens().learnList;
    openFromMenu(&learn);
    for (int press = 0; press < 3; ++press) {
        click(learn.buttNEXT);  // reveal, next, reveal: two pairs shown
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(memory::kDatabaseName, &db), SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*), min(list) FROM shown", -1, &count, nullptr);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), 2);
    EXPECT_EQ(sqlite3_column_int(count, 1), 3);
    sqlite3_finalize(count);
    sqlite3_close(db);
    EXPECT_TRUE(memory::Database(memory::kDatabaseName, false).pairs(1).empty());
}

// A database that cannot take the answer changes nothing the user sees.
TEST_F(MemoryScreenTest, ADamagedOrLockedDatabaseNeverStopsTheQuiz) {
    writeFile(memory::kDatabaseName, QByteArray(8192, '\x5a'));
    openQuiz();
    const QByteArray words = fileBytes("bu1.dat");
    answerAll(4);
    EXPECT_EQ(quiz().lblMESS->text(), " Bra gjort! Alla rätt!");
    EXPECT_EQ(fileBytes("ordlykta-damaged-20261207-130000.db"), QByteArray(8192, '\x5a'));
    EXPECT_EQ(kept().size(), 4u);

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(memory::kDatabaseName, &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    dialogs.expectConfirm("Förhör glosorna igen", true);
    click(quiz().buttNEXT);
    answerAll(4, {"hund"});
    EXPECT_EQ(quiz().lblMESS->text(), " Klart: 3 av 4 rätt. Klicka på # för att se rätt svar.");
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    for (const auto& [swedish, answers] : kept()) {
        EXPECT_EQ(answers.size(), 1u) << swedish;  // the second pass was lost, nothing else
    }
    EXPECT_EQ(fileBytes("bu1.dat"), words);
}

TEST_F(MemoryScreenTest, TodaysWordsAreAskedAsAQuizAndMoveTheSchedule) {
    openQuiz();
    answerAll(4, {"katt", "ko"});
    quiz::ReviewScreen& review = program().review();

    // The same day nothing is due yet: the wrong ones come back tomorrow.
    program().startReview(1);
    EXPECT_EQ(review.lblKAPITEL->text(), "Repetera dagens ord");
    EXPECT_EQ(review.pairCount(), 0);
    EXPECT_EQ(review.lblMESS->text(), " Inga ord att repetera i dag. Nästa: 2026-12-08.");
    review.hide();

    now.seconds += 86400;
    program().startReview(1);
    EXPECT_EQ(review.pairCount(), 2);
    EXPECT_EQ(answerOn(review, 2, {"ko"}), QStringList({"katt", "ko"}));
    EXPECT_EQ(review.lblMESS->text(), " Klart: 1 av 2 rätt. Klicka på # för att se rätt svar.");
    dialogs.expectConfirm("Förhör felsvarade glosor", true);
    click(review.buttNEXT);
    EXPECT_EQ(answerOn(review, 1), QStringList{"ko"});
    EXPECT_EQ(review.lblMESS->text(), " Bra gjort! Alla rätt!");

    auto s = schedules();
    EXPECT_EQ(s["katt"].schedule.reps, 2);
    EXPECT_EQ(s["katt"].schedule.lapses, 0);
    EXPECT_EQ(s["katt"].schedule.lastDay, today());
    EXPECT_GT(s["katt"].schedule.dueDay(), today() + 1);
    EXPECT_EQ(s["ko"].schedule.lapses, 1);
    EXPECT_EQ(s["ko"].schedule.dueDay(), today() + 1);
    EXPECT_EQ(kept()["ko"].size(), 3u);  // yesterday, today, its repeat

    click(review.buttMENU);
    EXPECT_TRUE(screens().menu->isVisible());
    EXPECT_FALSE(review.isVisible());
}

// "Öva på dessa": the review asks exactly the pairs given, in their order, whether due or not;
// one no longer in the lists is passed by.
TEST_F(MemoryScreenTest, TheReviewAsksExactlyThePairsGiven) {
    givenSettings(1, {3, 1, 1});
    givenList(1, 3, kFour);
    givenList(1, 4, {{"mus", "mouse"}});
    program().startReview(1, std::vector<drill::Words>{{stored("ko"), stored("cow")},
                                                       {stored("borta"), stored("gone")},
                                                       {stored("mus"), stored("mouse")},
                                                       {stored("hund"), stored("hund")}});
    quiz::ReviewScreen& review = program().review();
    EXPECT_EQ(review.pairCount(), 2);
    EXPECT_EQ(review.lblSVE->text(), "ko");
    type(review.edtFOR, "cow");
    click(review.buttNEXT);
    EXPECT_EQ(review.lblSVE->text(), "mus");
    type(review.edtFOR, "mouse");
    click(review.buttNEXT);
    EXPECT_EQ(review.lblMESS->text(), " Bra gjort! Alla rätt!");
    EXPECT_EQ(kept().size(), 2u);
    review.hide();

    program().startReview(1, std::vector<drill::Words>{{stored("borta"), stored("gone")}});
    EXPECT_EQ(review.pairCount(), 0);
    EXPECT_EQ(review.lblMESS->text(), " Inga av orden finns kvar i ordlistorna.");
}

// Run by btrfs_full_disk_test.sh with the working folder on a small btrfs, whose root
// ORDLYKTA_FULL_DISK names: answers typed while the disk is full are lost and nothing else, the
// word lists stay byte for byte, no box comes, the database stays sound, and once there is room
// again the next answers are kept.
TEST_F(MemoryScreenTest, AFullDiskLosesOnlyTheAnswersItRefused) {
    const std::string disk = qEnvironmentVariable("ORDLYKTA_FULL_DISK").toStdString();
    if (disk.empty()) {
        GTEST_SKIP() << "needs a small disk of its own: btrfs_full_disk_test.sh";
    }
    openQuiz();
    const std::map<QString, QByteArray> files = dataFiles();
    answerAll(1);  // the database made while there is room
    ASSERT_EQ(answersKept(), 1u);
    fillDisk(disk + "/fill");
    answerAll(3);
    EXPECT_EQ(quiz().lblMESS->text(), " Bra gjort! Alla rätt!");
    const std::size_t whileFull = answersKept();
    EXPECT_LT(whileFull, 4u) << "the disk was never full";
    EXPECT_TRUE(memory::Database(memory::kDatabaseName, false).integrityCheck().empty());
    EXPECT_EQ(dataFiles(), files);

    ASSERT_EQ(std::remove((disk + "/fill").c_str()), 0);
    ::sync();
    dialogs.expectConfirm("Förhör glosorna igen", true);
    click(quiz().buttNEXT);
    answerAll(4, {"ko"});
    EXPECT_EQ(answersKept(), whileFull + 4);
    EXPECT_EQ(dataFiles(), files);
}
