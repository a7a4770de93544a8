#include "memory/TestDay.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace memory {
namespace {

using Key = std::tuple<int, std::string, std::string>;

Key keyOf(const PairKey& pair) {
    return {pair.language, pair.swedish, pair.other};
}

void leastRetrievableFirst(std::vector<DuePair>& pairs) {
    std::stable_sort(pairs.begin(), pairs.end(), [](const DuePair& a, const DuePair& b) {
        return a.retrievability < b.retrievability;
    });
}

// The last day a new pair is begun on: two days before the test, so that it is asked once more
// before it, or today when that day has passed.
int lastBeginDay(int today, int testDay) {
    return std::max(today, testDay - 2);
}

}  // namespace

double recallOn(const Schedule& schedule, int day) {
    if (schedule.isNew()) {
        return 0;
    }
    return retrievability(schedule.stability, std::max(0, day - schedule.lastDay));
}

bool dueForTest(const Schedule& schedule, int today, int testDay) {
    if (schedule.isNew() || schedule.lastDay >= today || today >= testDay) {
        return false;
    }
    return schedule.dueDay() <= today || recallOn(schedule, testDay) < kReadyRecall;
}

double readiness(const ListWords& list, const Schedules& schedules, int testDay) {
    if (list.pairs.empty()) {
        return 0;
    }
    double sum = 0;
    for (const PairKey& pair : list.pairs) {
        const PairState* state = schedules.find(pair);
        sum += state != nullptr ? recallOn(state->schedule, testDay) : 0;
    }
    return sum / static_cast<double>(list.pairs.size());
}

TestPlan planFor(const ListWords& list, const Schedules& schedules, int today, int testDay) {
    TestPlan plan;
    std::vector<DuePair> fresh;
    int begunToday = 0;
    for (const PairKey& pair : list.pairs) {
        const PairState* state = schedules.find(pair);
        if (state == nullptr || state->schedule.isNew()) {
            fresh.push_back({{pair, list.list, Schedule{}}, 0});
            continue;
        }
        const Schedule& s = state->schedule;
        begunToday += s.reps == 1 && s.lastDay == today ? 1 : 0;
        plan.tomorrow = plan.tomorrow || dueForTest(s, today + 1, testDay);
        if (dueForTest(s, today, testDay)) {
            PairState due = *state;
            due.list = list.list;
            plan.due.push_back({due, recallOn(s, today)});
        }
    }
    leastRetrievableFirst(plan.due);
    // The day's share of the new pairs as they stood when the day began.
    const int days = lastBeginDay(today, testDay) - today + 1;
    const int atStart = static_cast<int>(fresh.size()) + begunToday;
    const int share = (atStart + days - 1) / days;
    const int take = std::clamp(share - begunToday, 0, static_cast<int>(fresh.size()));
    plan.fresh.assign(fresh.begin(), fresh.begin() + take);
    plan.freshLeft = static_cast<int>(fresh.size());
    plan.tomorrow = plan.tomorrow || (take < plan.freshLeft && today + 1 < testDay);
    plan.ready = readiness(list, schedules, testDay);
    return plan;
}

Today dueWithTestDays(const std::vector<PairState>& pairs, int today,
                      const std::vector<TestDay>& testDays, const std::vector<ListWords>& lists) {
    const Today ordinary = dueOn(pairs, today);
    const Schedules schedules(pairs);
    Today result;
    result.nextDay = ordinary.nextDay;
    std::set<Key> taken;
    const auto take = [&](const DuePair& due) {
        if (taken.insert(keyOf(due.state.pair)).second) {
            result.due.push_back(due);
        }
    };
    for (const TestDay& test : testDays) {
        const auto list = std::find_if(lists.begin(), lists.end(),
                                       [&](const ListWords& l) { return l.list == test.list; });
        if (today >= test.day || list == lists.end()) {
            continue;
        }
        const TestPlan plan = planFor(*list, schedules, today, test.day);
        std::for_each(plan.due.begin(), plan.due.end(), take);
        std::for_each(plan.fresh.begin(), plan.fresh.end(), take);
        // Until the test the plan may ask for the list again tomorrow.
        if (plan.tomorrow && (result.nextDay < 0 || result.nextDay > today + 1)) {
            result.nextDay = today + 1;
        }
    }
    std::for_each(ordinary.due.begin(), ordinary.due.end(), take);
    return result;
}

}  // namespace memory
