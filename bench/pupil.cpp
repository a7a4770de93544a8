// A simulated pupil with a list of 40 pairs and a test in seven days, practising every day:
// (a) the whole list quizzed once a day, the wrong ones again until all are right, against
// (b) today's words with the test-day plan (memory/TestDay.h), in passes of at most 20 until
// none is left for the day. Prints the words known on the test day and the answers typed,
// averaged over 1,000 pupils; and (c), a bound: the best days on which to quiz the whole list
// with at most half the answers of (a).
//
// The pupil's memory is a model of its own, not the scheduler's: each word's half-life (days)
// is drawn from a log-normal when it is first shown; recall after t days is 2^(-t / half-life);
// a right answer multiplies the half-life by kRightFactor, a wrong one cuts it by kWrongFactor
// (and shows the answer, so the next recall counts from then), never below an hour; recall is
// drawn at random with a fixed seed. A word never shown is not recalled.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "memory/TestDay.h"

namespace {

constexpr int kPairs = 40;
constexpr int kDaysToTest = 7;
constexpr int kPupils = 1000;
constexpr int kPass = 20;                // the drill's pass
double medianHalfLife = 1.0;             // days, when first shown; the first argument
constexpr double kHalfLifeSpread = 0.8;  // sigma of its logarithm
constexpr double kRightFactor = 2.0;
constexpr double kWrongFactor = 0.5;
constexpr double kRepeatGap = 10.0 / 1440;  // a repeat of the wrong ones: ten minutes on
constexpr double kPassGap = 30.0 / 1440;    // the next pass of today's words: half an hour on
// A word just shown is not forgotten faster than this, however often it went wrong: without a
// floor the cuts after wrong answers drive the half-life to nothing and the repeats of the
// wrong ones never end.
constexpr double kShortestHalfLife = 1.0 / 24;
constexpr unsigned kSeed = 20261207;

struct Word {
    bool shown = false;
    double halfLife = 0;
    double lastSeen = 0;  // in days
};

class Pupil {
  public:
    explicit Pupil(std::mt19937& random) : random_(random), words_(kPairs) {}

    // The pupil answers word `w` at time `now`; true when right. A wrong answer shows the word.
    bool answer(int w, double now) {
        Word& word = words_[static_cast<std::size_t>(w)];
        const double recall = word.shown ? std::exp2(-(now - word.lastSeen) / word.halfLife) : 0.0;
        const bool right = std::uniform_real_distribution<>(0, 1)(random_) < recall;
        if (!word.shown) {
            word.shown = true;
            word.halfLife =
                std::lognormal_distribution<>(std::log(medianHalfLife), kHalfLifeSpread)(random_);
        } else {
            word.halfLife =
                std::max(kShortestHalfLife, word.halfLife * (right ? kRightFactor : kWrongFactor));
        }
        word.lastSeen = now;
        return right;
    }

  private:
    std::mt19937& random_;
    std::vector<Word> words_;
};

// A quiz pass as the quiz screen runs it: every word once, then the wrong ones again until all
// are right. Calls `rated(word, right)` with each word's first answer; returns the answers typed.
template <class Rated>
int quiz(Pupil& pupil, std::vector<int> words, double start, Rated rated) {
    int typed = 0;
    bool first = true;
    for (double now = start; !words.empty(); now += kRepeatGap, first = false) {
        std::vector<int> wrong;
        for (const int w : words) {
            ++typed;
            const bool right = pupil.answer(w, now);
            if (first) {
                rated(w, right);
            }
            if (!right) {
                wrong.push_back(w);
            }
        }
        words = wrong;
    }
    return typed;
}

int knownOnTestDay(Pupil& pupil) {
    int known = 0;
    for (int w = 0; w < kPairs; ++w) {
        known += pupil.answer(w, kDaysToTest) ? 1 : 0;
    }
    return known;
}

struct Result {
    double known = 0;
    double typed = 0;
};

constexpr unsigned kEveryDay = (1U << kDaysToTest) - 1;

// The whole list quizzed on the days set in `days` (bit 0: the first day).
Result wholeList(std::mt19937& random, unsigned days) {
    Pupil pupil(random);
    std::vector<int> all(kPairs);
    for (int w = 0; w < kPairs; ++w) {
        all[static_cast<std::size_t>(w)] = w;
    }
    int typed = 0;
    for (int day = 0; day < kDaysToTest; ++day) {
        if ((days >> day & 1U) != 0) {
            typed += quiz(pupil, all, day, [](int, bool) {});
        }
    }
    return {static_cast<double>(knownOnTestDay(pupil)), static_cast<double>(typed)};
}

Result testDayPlan(std::mt19937& random) {
    Pupil pupil(random);
    memory::ListWords list{1, "prov", {}};
    for (int w = 0; w < kPairs; ++w) {
        list.pairs.push_back({1, std::to_string(w), "w" + std::to_string(w)});
    }
    std::vector<memory::PairState> states;
    std::vector<int> stateOf(kPairs, -1);
    int typed = 0;
    for (int day = 0; day < kDaysToTest; ++day) {
        // Passes of today's words until none is left; each later pass a little later in the day.
        for (double at = day;; at += kPassGap) {
            std::vector<int> words;
            for (const memory::DuePair& due :
                 memory::dueWithTestDays(states, day, {{1, 1, kDaysToTest}}, {list}).due) {
                if (static_cast<int>(words.size()) < kPass) {
                    words.push_back(std::stoi(due.state.pair.swedish));
                }
            }
            if (words.empty()) {
                break;
            }
            typed += quiz(pupil, words, at, [&](int w, bool right) {
                int& s = stateOf[static_cast<std::size_t>(w)];
                if (s < 0) {
                    s = static_cast<int>(states.size());
                    states.push_back({list.pairs[static_cast<std::size_t>(w)], 1, {}});
                }
                auto& schedule = states[static_cast<std::size_t>(s)].schedule;
                schedule = memory::rate(schedule, right, day);
            });
        }
    }
    return {static_cast<double>(knownOnTestDay(pupil)), static_cast<double>(typed)};
}

// The mean over the pupils, each with a seed of its own, the same for every way.
template <class Way>
Result overPupils(Way way) {
    Result mean;
    for (int p = 0; p < kPupils; ++p) {
        std::mt19937 random(kSeed + static_cast<unsigned>(p));
        const Result one = way(random);
        mean.known += one.known / kPupils;
        mean.typed += one.typed / kPupils;
    }
    return mean;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        medianHalfLife = std::atof(argv[1]);
    }
    const Result a = overPupils([](std::mt19937& r) { return wholeList(r, kEveryDay); });
    const Result b = overPupils([](std::mt19937& r) { return testDayPlan(r); });
    // In this model each right answer multiplies the half-life, however soon it comes, so the
    // number of answers counts most: the best days for the whole list within half the answers
    // of (a) bound what any plan can reach with them.
    Result c;
    for (unsigned days = 1; days < kEveryDay; ++days) {
        const Result some = overPupils([&](std::mt19937& r) { return wholeList(r, days); });
        if (some.typed <= a.typed / 2 && some.known > c.known) {
            c = some;
        }
    }
    std::printf(
        "%d pupils, %d pairs, test in %d days, practice every day; half-life when first "
        "shown: median %.1f days\n",
        kPupils, kPairs, kDaysToTest, medianHalfLife);
    std::printf("%-52s %14s %14s\n", "", "known on test", "answers typed");
    const auto row = [](const char* way, const Result& r) {
        std::printf("%-52s %14.1f %14.1f\n", way, r.known, r.typed);
    };
    row("(a) whole list once a day until all right", a);
    row("(b) today's words with the test-day plan", b);
    row("(c) bound: the whole list on the best days, half of (a)", c);
    return 0;
}
