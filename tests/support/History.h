#pragma once
// A history of answers made in a test, on a fixed clock: day kFirst is 2026-12-07, each answer
// is given at its day's noon UTC (and `minute` minutes on), in local time `offset` seconds east
// of UTC; "today" is ten days on.

#include <QString>
#include <cstdint>

#include "memory/Clock.h"
#include "memory/Database.h"
#include "tool/Words.h"

namespace history {

constexpr std::int64_t kNoon = 1796644800;  // 2026-12-07 12:00 UTC
constexpr int kCet = 3600;
const int kFirst = memory::dayOf({kNoon, kCet});
const int kToday = kFirst + 10;

// Language 1's pair, its words as the user types them.
inline memory::PairKey key(const QString& swedish, const QString& other) {
    return {1, tool::toStore(swedish), tool::toStore(other)};
}

// The answers to pairs asked from one list, recorded in the data folder's database.
class History {
  public:
    History(const QString& database, int list, int offset = kCet)
        : db_(database.toStdString(), true), list_(list), offset_(offset) {}

    // An answer given minutes after the day's first is a repeat of the wrongly answered pairs.
    void answer(const QString& swedish, const QString& other, const QString& typed, bool right,
                int day, int minute = 0) {
        db_.recordAnswer({key(swedish, other), list_, tool::toStore(typed), right, minute == 0},
                         {kNoon + std::int64_t{day - kFirst} * 86400 + minute * 60, offset_});
    }

  private:
    memory::Database db_;
    int list_;
    int offset_;
};

}  // namespace history
