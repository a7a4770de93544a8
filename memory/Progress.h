#pragma once
// What the learning memory shows of a language: per list how many pairs are new, learning,
// known, due and hard, the hard words with the wrong answers typed most often, the answers per
// day, the known words over time and the days practised. Worked out from the word lists and the
// history on a given day, so that it can be checked on a fixed day.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "memory/Database.h"
#include "memory/Lists.h"

namespace memory {

// The days the charts cover: eight weeks up to today.
inline constexpr int kChartDays = 56;
// A pair is hard with at least this many lapses...
inline constexpr int kHardLapses = 3;
// ...or with the day's first answer wrong on kHardWrongDays of the last kHardRecentDays days it
// was asked.
inline constexpr int kHardWrongDays = 2;
inline constexpr int kHardRecentDays = 3;

struct HardWord {
    PairKey pair;
    int lapses = 0;
    // The wrong answers typed, most frequent first, each with how often; empty answers left out.
    std::vector<std::pair<std::string, int>> wrong;
};

struct DayAnswers {
    int day = 0;
    int right = 0;
    int wrong = 0;
};

struct ListProgress {
    int list = 0;
    std::string name;  // as stored: Windows-1252
    int pairs = 0;
    int fresh = 0;     // never practised
    int learning = 0;  // practised, not known
    int known = 0;     // retrievability today at least 0.9
    int due = 0;       // due day today or before
    std::vector<HardWord> hard;
    std::vector<int> days;            // the days a pair of the list was answered, in order
    std::vector<DayAnswers> answers;  // per day of the chart, oldest first
    std::optional<int> testDay;
    std::optional<double> ready;  // mean predicted recall on the test day, until it
    int planDue = 0;              // before the test: practised pairs to ask today
    int planFresh = 0;            // before the test: new pairs to begin today
};

struct Progress {
    int today = 0;
    std::vector<ListProgress> lists;         // the lists that hold pairs
    std::vector<DayAnswers> answers;         // all lists, per day of the chart, oldest first
    std::vector<std::pair<int, int>> known;  // per day of the chart: the day, the known pairs
    std::vector<int> days;                   // the days practised, in order
    int run = 0;                             // days in a row up to today (or yesterday)
};

// Whether the first answer of the day was wrong on enough of the last days it was asked.
bool hardByRecentDays(const std::vector<AnswerRecord>& answers);

Progress progressOf(const std::vector<ListWords>& lists, const std::vector<PairHistory>& history,
                    const std::vector<TestDay>& testDays, int today);

// The days in a row, ending today or yesterday, among `days` (in order).
int currentRun(const std::vector<int>& days, int today);

}  // namespace memory
