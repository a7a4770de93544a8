#pragma once
// The schedule of one pair: FSRS-6 with its 21 default parameters, a desired retention of 0.9,
// whole days and no fuzz, from the published formulas. A pair is rated once a day: right is
// Good, wrong is Again. The rounding to eight decimals follows the reference implementation, so
// that intervals come out the same to the day.

namespace memory {

struct Schedule {
    double stability = 0;   // days until retrievability falls to 0.9; 0 while new
    double difficulty = 0;  // 1..10; 0 while new
    int lastDay = 0;        // the day of the last rated answer
    int interval = 0;       // days from lastDay to the due day
    int reps = 0;           // rated answers
    int lapses = 0;         // wrong answers once the pair was no longer new

    bool isNew() const { return reps == 0; }
    int dueDay() const { return lastDay + interval; }
};

// The probability of recall `elapsed` days after the last review at this stability.
double retrievability(double stability, double elapsed);

// The schedule after an answer rated on `day` (not before the last one).
Schedule rate(const Schedule& before, bool right, int day);

}  // namespace memory
