#include "memory/Progress.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "memory/TestDay.h"

namespace memory {
namespace {

using Key = std::tuple<int, std::string, std::string>;

Key keyOf(const PairKey& pair) {
    return {pair.language, pair.swedish, pair.other};
}

std::vector<DayAnswers> emptyChart(int today) {
    std::vector<DayAnswers> chart(kChartDays);
    for (int i = 0; i < kChartDays; ++i) {
        chart[static_cast<std::size_t>(i)].day = today - kChartDays + 1 + i;
    }
    return chart;
}

void count(std::vector<DayAnswers>& chart, int day, bool right) {
    const int index = day - chart.front().day;
    if (index >= 0 && index < static_cast<int>(chart.size())) {
        DayAnswers& d = chart[static_cast<std::size_t>(index)];
        ++(right ? d.right : d.wrong);
    }
}

// The wrong answers typed, most frequent first and, as often, the latest first.
std::vector<std::pair<std::string, int>> wrongAnswers(const std::vector<AnswerRecord>& answers) {
    std::map<std::string, std::pair<int, std::size_t>> seen;  // typed: how often, last index
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (!answers[i].right && !answers[i].typed.empty()) {
            auto& entry = seen[answers[i].typed];
            ++entry.first;
            entry.second = i;
        }
    }
    std::vector<std::pair<std::string, std::pair<int, std::size_t>>> order(seen.begin(),
                                                                           seen.end());
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<std::pair<std::string, int>> wrong;
    for (const auto& [typed, counted] : order) {
        wrong.emplace_back(typed, counted.first);
    }
    return wrong;
}

bool isHard(const PairHistory& history) {
    return history.state.schedule.lapses >= kHardLapses || hardByRecentDays(history.answers);
}

// Adds to `known` (one count per chart day) the days the pair was known on, its schedule
// replayed from its answers as the database rates them.
void addKnownDays(const std::vector<AnswerRecord>& answers,
                  std::vector<std::pair<int, int>>& known) {
    Schedule s;
    std::size_t next = 0;
    for (auto& [day, pairs] : known) {
        for (; next < answers.size() && dayOf(answers[next].at) <= day; ++next) {
            const int answered = dayOf(answers[next].at);
            if (s.isNew() || answered > s.lastDay) {
                s = rate(s, answers[next].right, answered);
            }
        }
        if (!s.isNew() && retrievability(s.stability, day - s.lastDay) >= kReadyRecall) {
            ++pairs;
        }
    }
}

ListProgress listProgress(const ListWords& list, const std::map<Key, const PairHistory*>& byKey,
                          int today) {
    ListProgress p;
    p.list = list.list;
    p.name = list.name;
    p.pairs = static_cast<int>(list.pairs.size());
    p.answers = emptyChart(today);
    std::set<int> days;
    for (const PairKey& pair : list.pairs) {
        const auto found = byKey.find(keyOf(pair));
        if (found == byKey.end() || found->second->state.schedule.isNew()) {
            ++p.fresh;
            continue;
        }
        const PairHistory& h = *found->second;
        const Schedule& s = h.state.schedule;
        ++(recallOn(s, today) >= kReadyRecall ? p.known : p.learning);
        p.due += s.dueDay() <= today ? 1 : 0;
        if (isHard(h)) {
            p.hard.push_back({pair, s.lapses, wrongAnswers(h.answers)});
        }
        for (const AnswerRecord& a : h.answers) {
            days.insert(dayOf(a.at));
            count(p.answers, dayOf(a.at), a.right);
        }
    }
    std::stable_sort(p.hard.begin(), p.hard.end(),
                     [](const HardWord& a, const HardWord& b) { return a.lapses > b.lapses; });
    p.days.assign(days.begin(), days.end());
    return p;
}

}  // namespace

bool hardByRecentDays(const std::vector<AnswerRecord>& answers) {
    std::vector<bool> firstWrong;  // per day asked, oldest first
    int lastDay = 0;
    for (const AnswerRecord& a : answers) {
        const int day = dayOf(a.at);
        if (firstWrong.empty() || day != lastDay) {
            firstWrong.push_back(!a.right);
            lastDay = day;
        }
    }
    const std::size_t from =
        firstWrong.size() > kHardRecentDays ? firstWrong.size() - kHardRecentDays : 0;
    return std::count(firstWrong.begin() + static_cast<std::ptrdiff_t>(from), firstWrong.end(),
                      true) >= kHardWrongDays;
}

int currentRun(const std::vector<int>& days, int today) {
    const std::set<int> practised(days.begin(), days.end());
    int day = practised.count(today) != 0 ? today : today - 1;
    int run = 0;
    for (; practised.count(day) != 0; --day) {
        ++run;
    }
    return run;
}

Progress progressOf(const std::vector<ListWords>& lists, const std::vector<PairHistory>& history,
                    const std::vector<TestDay>& testDays, int today) {
    Progress progress;
    progress.today = today;
    std::map<Key, const PairHistory*> byKey;
    std::vector<PairState> states;
    for (const PairHistory& h : history) {
        byKey[keyOf(h.state.pair)] = &h;
        states.push_back(h.state);
    }
    const Schedules schedules(states);
    for (const ListWords& list : lists) {
        ListProgress p = listProgress(list, byKey, today);
        for (const TestDay& test : testDays) {
            if (test.list == list.list) {
                p.testDay = test.day;
                if (today <= test.day) {
                    p.ready = readiness(list, schedules, test.day);
                }
                if (today < test.day) {
                    const TestPlan plan = planFor(list, schedules, today, test.day);
                    p.planDue = static_cast<int>(plan.due.size());
                    p.planFresh = static_cast<int>(plan.fresh.size());
                }
            }
        }
        progress.lists.push_back(std::move(p));
    }

    // The language as a whole: every answer kept, the known pairs of the lists once each.
    progress.answers = emptyChart(today);
    std::set<int> days;
    for (const PairHistory& h : history) {
        for (const AnswerRecord& a : h.answers) {
            days.insert(dayOf(a.at));
            count(progress.answers, dayOf(a.at), a.right);
        }
    }
    for (const DayAnswers& d : progress.answers) {
        progress.known.emplace_back(d.day, 0);
    }
    std::set<Key> inLists;
    for (const ListWords& list : lists) {
        for (const PairKey& pair : list.pairs) {
            const auto found = byKey.find(keyOf(pair));
            if (found != byKey.end() && inLists.insert(keyOf(pair)).second) {
                addKnownDays(found->second->answers, progress.known);
            }
        }
    }
    progress.days.assign(days.begin(), days.end());
    progress.run = currentRun(progress.days, today);
    return progress;
}

}  // namespace memory
