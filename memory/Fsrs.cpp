#include "memory/Fsrs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace memory {
namespace {

constexpr std::array<double, 21> w = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                      0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                      1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double kRetention = 0.9;
constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
constexpr int kMaxInterval = 36500;

enum Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// Rounded as the reference rounds (half up), to eight decimals.
double round8(double x) {
    return std::floor(x * 1e8 + 0.5) / 1e8;
}

const double kDecay = -w[20];
const double kFactor = round8(std::exp(std::log(0.9) / kDecay) - 1);
const double kIntervalModifier = round8((std::pow(kRetention, 1 / kDecay) - 1) / kFactor);

double initialStability(Grade g) {
    return std::max(w[g - 1], 0.1);
}

double initialDifficulty(Grade g) {
    return round8(w[4] - std::exp((g - 1) * w[5]) + 1);
}

double nextDifficulty(double d, Grade g) {
    const double delta = -w[6] * (g - 3);
    const double damped = d + round8(delta * (10 - d) / 9);
    const double reverted = round8(w[7] * initialDifficulty(Easy) + (1 - w[7]) * damped);
    return std::clamp(reverted, 1.0, 10.0);
}

double recallStability(double d, double s, double r, Grade g) {
    const double hardPenalty = g == Hard ? w[15] : 1;
    const double easyBonus = g == Easy ? w[16] : 1;
    const double grown = s * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) *
                                      (std::exp((1 - r) * w[10]) - 1) * hardPenalty * easyBonus);
    return round8(std::clamp(grown, kMinStability, kMaxStability));
}

double forgetStability(double d, double s, double r) {
    const double after =
        w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp((1 - r) * w[14]);
    const double bounded = round8(std::clamp(after, kMinStability, kMaxStability));
    // Forgetting never raises the stability.
    return std::min(std::max(round8(s), kMinStability), bounded);
}

struct Memory {
    double stability;
    double difficulty;
};

Memory next(const Schedule& before, int elapsed, Grade g) {
    if (before.isNew()) {
        return {initialStability(g), std::clamp(initialDifficulty(g), 1.0, 10.0)};
    }
    const double s = before.stability;
    const double d = before.difficulty;
    const double r = retrievability(s, elapsed);
    const double stability = g == Again ? forgetStability(d, s, r) : recallStability(d, s, r, g);
    return {stability, nextDifficulty(d, g)};
}

int intervalOf(double stability) {
    return std::min(std::max(1, static_cast<int>(std::lround(stability * kIntervalModifier))),
                    kMaxInterval);
}

}  // namespace

double retrievability(double stability, double elapsed) {
    if (stability <= 0) {
        return 0;
    }
    return round8(std::pow(1 + kFactor * elapsed / stability, kDecay));
}

Schedule rate(const Schedule& before, bool right, int day) {
    const int elapsed = before.isNew() ? 0 : std::max(0, day - before.lastDay);
    // The reference keeps the four intervals apart (again < hard < good): Again and Good are
    // computed with the Hard one between them.
    const int again = intervalOf(next(before, elapsed, Again).stability);
    const int hard = intervalOf(next(before, elapsed, Hard).stability);
    const int good = intervalOf(next(before, elapsed, Good).stability);
    const int againKept = std::min(again, hard);
    const int hardKept = std::max(hard, againKept + 1);

    const Memory after = next(before, elapsed, right ? Good : Again);
    Schedule s;
    s.stability = after.stability;
    s.difficulty = after.difficulty;
    s.lastDay = day;
    s.interval = right ? std::max(good, hardKept + 1) : againKept;
    s.reps = before.reps + 1;
    s.lapses = before.lapses + (!right && !before.isNew() ? 1 : 0);
    return s;
}

}  // namespace memory
