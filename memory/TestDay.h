#pragma once
// The plan for a list's test day. Until the day of the test a pair of the list is due whenever
// its predicted recall on that day, were it not asked again, would fall below 0.9, and the
// list's new pairs are begun a share each day, the last of them two days before the test (so
// that a word met one day is asked again before the test) or today when that day has passed.
// From the test day on the list follows the ordinary schedule.

#include <vector>

#include "memory/Lists.h"
#include "memory/Memory.h"

namespace memory {

inline constexpr double kReadyRecall = 0.9;

// The predicted recall on `day` of a pair with this schedule not asked before then; 0 while new.
double recallOn(const Schedule& schedule, int day);
// True when a pair with this schedule is to be asked on `today` for a test on `testDay`.
bool dueForTest(const Schedule& schedule, int today, int testDay);

struct TestPlan {
    std::vector<DuePair> due;    // practised pairs to ask today, the least retrievable first
    std::vector<DuePair> fresh;  // new pairs to begin today, in the list's order
    int freshLeft = 0;           // new pairs not yet begun, today's included
    double ready = 0;            // the mean predicted recall on the test day, 0..1
    bool tomorrow = false;       // whether the plan asks for pairs tomorrow as things stand
};

// Today's part of the plan for `list` with its test on `testDay` (today < testDay).
TestPlan planFor(const ListWords& list, const Schedules& schedules, int today, int testDay);

// The mean predicted recall of the list's pairs on `testDay` as they stand.
double readiness(const ListWords& list, const Schedules& schedules, int testDay);

// Today's pairs with the test days' plans first: the planned pairs of each list whose test is
// still to come, then its new pairs for today, then the other due pairs.
Today dueWithTestDays(const std::vector<PairState>& pairs, int today,
                      const std::vector<TestDay>& testDays, const std::vector<ListWords>& lists);

}  // namespace memory
