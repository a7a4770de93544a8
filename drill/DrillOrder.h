#pragma once
// The orders in which drills present their pairs: a shuffle of one list, or ten pairs drawn
// from all lists of a language. Plain C++; the random source and its clock can be replaced.

#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "store/Layout.h"

namespace drill {

inline constexpr int kFree = 4711;       // an entry of an order table not yet assigned
inline constexpr int kFinished = -4711;  // the position of a finished drill
inline constexpr int kTableSize = 100;   // list order entries 1..100
inline constexpr int kPoolSize = 10000;  // pool entries 1..10000
inline constexpr int kTenRandom = 10;

// Uniform draws from a generator that is seeded anew from a clock at every build.
class Random {
  public:
    using Clock = std::function<std::uint64_t()>;
    // The time of day in nanoseconds.
    static std::uint64_t timeOfDay();

    explicit Random(Clock clock = timeOfDay) : clock_(std::move(clock)) {}
    void reseed() { engine_.seed(clock_()); }
    // A number from lo to hi, each equally likely.
    int draw(int lo, int hi);
    // How many numbers have been drawn so far.
    int draws() const { return draws_; }

  private:
    Clock clock_;
    std::mt19937_64 engine_;
    int draws_ = 0;
};

// Entries 1..n hold the slots 1..n in random order; entries n+1..100 hold kFree.
struct ListOrder {
    std::array<int, kTableSize + 1> entry{};  // entry[0] is unused

    // n outside 0..99 is taken into that range, so the table is never overrun.
    void build(int n, Random& random);
};

// Up to ten distinct pairs of lists 1..98, each pair equally likely.
struct TenRandomOrder {
    std::array<int, kPoolSize + 1> poolList{};  // list of the k-th pair of the language
    std::array<int, kPoolSize + 1> poolSlot{};  // its slot
    std::array<int, kPoolSize + 1> poolAvailable{};
    std::array<int, kTenRandom + 1> chosen{};  // chosen[j]: pool index of the pair of step j
    int poolSize = 0;
    int chosenCount = 0;

    // `countOf(L)` is the pair count in the header of list L (1..98). The draw is bounded by the
    // pool actually built, not by the total the menu counted, so a file that disagrees with that
    // total can neither hang it nor reach past the pool. With fewer than ten pairs in the pool
    // every pair is chosen once, in random order.
    void build(const std::function<int(int list)>& countOf, Random& random);

    int listOf(int step) const { return poolList[chosen[step]]; }
    int slotOf(int step) const { return poolSlot[chosen[step]]; }
};

// The header counts of lists 1..98 of a language's word-list file, read in one opening.
std::array<int, store::kLastUserList + 1> readListCounts(int language);

}  // namespace drill
