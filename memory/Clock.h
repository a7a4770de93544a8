#pragma once
// When an answer is given: the moment and the local time's offset from UTC then, and the day it
// falls on. A learner's day starts at 04:00 local time, so that a late evening's drill counts
// for the day it began. The clock is a parameter everywhere, so that tests fix it.

#include <cstdint>
#include <functional>
#include <string>

namespace memory {

struct Moment {
    std::int64_t seconds = 0;  // since 1970-01-01 00:00 UTC
    int offset = 0;            // seconds east of UTC, local time at that moment
};

using Clock = std::function<Moment()>;

// The machine's clock in the local time zone.
Moment systemNow();
// The local offset at a moment, as the time zone said then.
int localOffset(std::int64_t seconds);

// Days since 1970-01-01 of the learner's day a moment falls on.
int dayOf(const Moment& moment);
// "2026-12-07" for a day number.
std::string dateOf(int day);
// "2026-12-07T21:05:03+01:00": the moment in its own local time.
std::string isoTime(const Moment& moment);

}  // namespace memory
