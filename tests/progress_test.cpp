// What the learning memory shows and plans: the test-day plan on a table of pairs, and the
// counts, hard words and charts of a history made here on fixed days.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>

#include "memory/Database.h"
#include "memory/Progress.h"
#include "memory/TestDay.h"

namespace {

using namespace memory;

// 2026-12-07 12:00 UTC, an hour east of it: day kMonday.
constexpr std::int64_t kNoon = 1796644800;
constexpr int kCet = 3600;
const int kMonday = dayOf({kNoon, kCet});

Moment onDay(int day, int minute = 0) {
    return {kNoon + std::int64_t{day - kMonday} * 86400 + minute * 60, kCet};
}

PairKey word(int n) {
    return {1, "ord" + std::to_string(n), "word" + std::to_string(n)};
}

// A list of `size` pairs, word(0) first.
ListWords listOf(int list, int size) {
    ListWords words{list, "kapitel", {}};
    for (int n = 0; n < size; ++n) {
        words.pairs.push_back(word(n));
    }
    return words;
}

TEST(TestDayTest, ThePlanAsksEachPairUntilItIsReadyForTheTest) {
    // Four practised pairs as a pupil may leave them, six new ones; the test a week from now.
    const int test = kMonday + 7;
    const ListWords list = listOf(4, 10);
    std::map<int, Schedule> start;
    start[0] = rate({}, true, kMonday - 1);                             // met yesterday
    start[1] = {100, 3, kMonday - 3, 300, 5, 0};                        // long known
    start[2] = {5, 5, kMonday - 2, 5, 3, 0};                            // due in three days
    start[3] = rate(rate({}, false, kMonday - 2), false, kMonday - 1);  // wrong twice

    std::vector<PairState> states;
    for (const auto& [n, s] : start) {
        states.push_back({word(n), 4, s});
    }
    std::map<int, std::vector<int>> asked;  // pair: the days it was asked
    for (int day = kMonday; day < test; ++day) {
        const Today today = dueWithTestDays(states, day, {{1, 4, test}}, {list});
        for (const DuePair& due : today.due) {
            const int n = std::stoi(due.state.pair.swedish.substr(3));
            asked[n].push_back(day - kMonday);
            auto known = std::find_if(states.begin(), states.end(),
                                      [&](const PairState& p) { return p.pair == due.state.pair; });
            if (known == states.end()) {
                states.push_back({due.state.pair, 4, {}});
                known = states.end() - 1;
            }
            known->schedule = rate(known->schedule, true, day);  // practised as planned
        }
        // Asked again today, nothing more is due.
        EXPECT_TRUE(dueWithTestDays(states, day, {{1, 4, test}}, {list}).due.empty()) << day;
    }
    // Pair 1 is known on the test day as it stands; 0 and 2 need one more answer, 3 four; the
    // six new ones begin one a day, the last two days before the test, and are asked once more.
    const std::map<int, std::vector<int>> expected = {
        {0, {0}},    {2, {0}},    {3, {0, 1, 2, 3}}, {4, {0, 1}}, {5, {1, 2}},
        {6, {2, 3}}, {7, {3, 4}}, {8, {4, 5}},       {9, {5}},
    };
    EXPECT_EQ(asked, expected);
    for (const PairState& p : states) {
        EXPECT_GE(recallOn(p.schedule, test), kReadyRecall) << p.pair.swedish;
    }
    EXPECT_GE(readiness(list, Schedules(states), test), kReadyRecall);
}

TEST(TestDayTest, NewPairsAreSpreadOverTheDaysLeft) {
    struct Case {
        int pairs;
        int daysToTest;
        int begunToday;  // of the list's new pairs, answered today already
        int take;        // to begin now
    };
    const Case cases[] = {
        {10, 7, 0, 2},  // six days to begin them on, the last two days before the test
        {10, 7, 2, 0}, {10, 7, 1, 1}, {12, 7, 0, 2},
        {13, 7, 0, 3}, {5, 2, 0, 5},  // the day before the test: all today
        {5, 1, 0, 5},  {5, 3, 0, 3},  {6, 4, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pairs << " pairs, test in " << c.daysToTest);
        std::vector<PairState> states;
        for (int n = 0; n < c.begunToday; ++n) {
            states.push_back({word(n), 1, rate({}, true, kMonday)});
        }
        const TestPlan plan =
            planFor(listOf(1, c.pairs), Schedules(states), kMonday, kMonday + c.daysToTest);
        ASSERT_EQ(static_cast<int>(plan.fresh.size()), c.take);
        if (c.take > 0) {
            EXPECT_EQ(plan.fresh[0].state.pair, word(c.begunToday));  // in the list's order
        }
    }
}

TEST(TestDayTest, OnAndAfterTheTestDayTheOrdinaryScheduleHolds) {
    std::vector<PairState> states = {{word(0), 2, rate({}, true, kMonday - 1)},
                                     {word(1), 2, rate({}, false, kMonday - 1)}};
    const ListWords list = listOf(2, 3);
    for (const int test : {kMonday, kMonday - 1}) {
        const Today today = dueWithTestDays(states, kMonday, {{1, 2, test}}, {list});
        ASSERT_EQ(today.due.size(), 1u);
        EXPECT_EQ(today.due[0].state.pair, word(1));
    }
    // Before it the plan's pairs come first, the other lists' due pairs after them.
    states.push_back({{1, "annat", "other"}, 7, rate({}, false, kMonday - 2)});
    const Today before = dueWithTestDays(states, kMonday, {{1, 2, kMonday + 5}}, {list});
    ASSERT_EQ(before.due.size(), 4u);
    EXPECT_EQ(before.due[0].state.pair, word(1));  // the least retrievable of the plan's first
    EXPECT_EQ(before.due[1].state.pair, word(0));
    EXPECT_EQ(before.due[2].state.pair, word(2));  // new
    EXPECT_EQ(before.due[3].state.pair.swedish, "annat");
    EXPECT_EQ(before.nextDay, kMonday + 1);
}

class ProgressTest : public ::testing::Test {
  protected:
    void answer(int n, int list, const std::string& typed, bool right, int day, int minute = 0,
                bool first = true) {
        db.recordAnswer({word(n), list, typed, right, first}, onDay(day, minute));
    }
    QTemporaryDir dir;
    Database db{(dir.path() + "/ordlykta.db").toStdString(), true};
};

TEST_F(ProgressTest, CountsHardWordsAndChartsOfAHistory) {
    const int today = kMonday + 10;
    // word0: right on three days; word1: wrong first on two of its last three days, "gick"
    // typed twice, "gådd" once; word2: wrong at first on four days (three lapses); word3: right
    // today only; word4..5 never asked; word6: answered in another list.
    answer(0, 1, "word0", true, kMonday);
    answer(0, 1, "word0", true, kMonday + 3);
    answer(0, 1, "word0", true, kMonday + 9);
    answer(1, 1, "gådd", false, kMonday + 8);
    answer(1, 1, "word1", true, kMonday + 8, 5, false);
    answer(1, 1, "word1", true, kMonday + 9);
    answer(1, 1, "gick", false, today);
    answer(1, 1, "gick", false, today, 1, false);
    answer(1, 1, "word1", true, today, 2, false);
    for (int d = 0; d < 5; ++d) {
        answer(2, 1, "", false, kMonday + 2 * d);
    }
    answer(3, 1, "word3", true, today);
    answer(6, 2, "word6", true, kMonday - 80);  // before the chart's eight weeks
    db.setTestDay(1, 1, kMonday + 14);

    ListWords first = listOf(1, 6);
    ListWords second{2, "andra", {word(6)}};
    const Progress p = progressOf({first, second}, db.history(1), db.testDays(1), today);

    ASSERT_EQ(p.lists.size(), 2u);
    const ListProgress& l = p.lists[0];
    EXPECT_EQ(std::vector<int>({l.pairs, l.fresh, l.learning, l.known, l.due}),
              std::vector<int>({6, 2, 1, 3, 1}));
    ASSERT_EQ(l.hard.size(), 2u);
    EXPECT_EQ(l.hard[0].pair, word(2));
    EXPECT_EQ(l.hard[0].lapses, 4);
    EXPECT_TRUE(l.hard[0].wrong.empty());
    EXPECT_EQ(l.hard[1].pair, word(1));
    using Wrong = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(l.hard[1].wrong, Wrong({{"gick", 2}, {"gådd", 1}}));
    EXPECT_EQ(l.days, std::vector<int>({kMonday, kMonday + 2, kMonday + 3, kMonday + 4, kMonday + 6,
                                        kMonday + 8, kMonday + 9, today}));
    EXPECT_EQ(l.testDay, kMonday + 14);
    ASSERT_TRUE(l.ready.has_value());
    EXPECT_GT(*l.ready, 0.2);
    EXPECT_LT(*l.ready, 4.0 / 6);  // two new pairs count nothing
    EXPECT_FALSE(p.lists[1].testDay.has_value());
    EXPECT_EQ(p.lists[1].known, 0);

    // The charts: the last day is today; the day before the chart is left out.
    ASSERT_EQ(p.answers.size(), static_cast<std::size_t>(kChartDays));
    EXPECT_EQ(p.answers.back().day, today);
    EXPECT_EQ(p.answers.back().right, 2);
    EXPECT_EQ(p.answers.back().wrong, 2);
    EXPECT_EQ(p.answers[kChartDays - 3].right, 1);  // kMonday + 8
    EXPECT_EQ(p.answers[kChartDays - 3].wrong, 2);
    int total = 0;
    for (const DayAnswers& d : p.answers) {
        total += d.right + d.wrong;
    }
    EXPECT_EQ(total, 15);
    ASSERT_EQ(p.known.size(), static_cast<std::size_t>(kChartDays));
    EXPECT_EQ(p.known.back(), std::make_pair(today, l.known));
    EXPECT_EQ(p.known[kChartDays - 11], std::make_pair(kMonday, 2));  // answered that day
    EXPECT_EQ(p.run, 3);
    EXPECT_EQ(currentRun(p.days, today + 1), 3);  // not yet practised today: yesterday's run
    EXPECT_EQ(currentRun(p.days, today + 2), 0);
}

TEST(HardTest, TheDaysFirstAnswerOnTheLastThreeDays) {
    struct Case {
        std::vector<std::pair<int, bool>> answers;  // day, right
        bool hard;
    };
    const Case cases[] = {
        {{{0, false}, {1, false}}, true},
        {{{0, false}, {0, true}, {1, true}, {2, false}}, true},  // a day's first counts
        {{{0, true}, {0, false}, {1, false}, {0 + 2, true}}, false},
        {{{0, false}, {1, false}, {2, true}, {3, true}, {4, false}}, false},  // older days
        {{{0, false}}, false},
    };
    for (const Case& c : cases) {
        std::vector<AnswerRecord> answers;
        for (const auto& [day, right] : c.answers) {
            answers.push_back({onDay(kMonday + day), right, "", true});
        }
        EXPECT_EQ(hardByRecentDays(answers), c.hard) << &c - cases;
    }
}

}  // namespace
