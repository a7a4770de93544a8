#include "memory/Clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace memory {
namespace {

constexpr std::int64_t kDaySeconds = 86400;
constexpr std::int64_t kDayStarts = 4 * 3600;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Year, month and day of a day number (days since 1970-01-01), proleptic Gregorian.
struct Civil {
    int year;
    unsigned month;
    unsigned day;
};
Civil civilOf(std::int64_t days) {
    const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{days}}};
    return {static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
            static_cast<unsigned>(ymd.day())};
}

}  // namespace

int localOffset(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return 0;
    }
    return static_cast<int>(local.tm_gmtoff);
}

Moment systemNow() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::int64_t seconds = std::chrono::duration_cast<std::chrono::seconds>(now).count();
    return {seconds, localOffset(seconds)};
}

int dayOf(const Moment& moment) {
    return static_cast<int>(floorDiv(moment.seconds + moment.offset - kDayStarts, kDaySeconds));
}

std::string dateOf(int day) {
    const Civil c = civilOf(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", c.year, c.month, c.day);
    return text;
}

std::string isoTime(const Moment& moment) {
    const std::int64_t local = moment.seconds + moment.offset;
    const std::int64_t days = floorDiv(local, kDaySeconds);
    const std::int64_t inDay = local - days * kDaySeconds;
    const Civil c = civilOf(days);
    const int offsetMinutes = (moment.offset < 0 ? -moment.offset : moment.offset) / 60;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d%c%02d:%02d", c.year, c.month,
                  c.day, static_cast<int>(inDay / 3600), static_cast<int>(inDay / 60 % 60),
                  static_cast<int>(inDay % 60), moment.offset < 0 ? '-' : '+', offsetMinutes / 60,
                  offsetMinutes % 60);
    return text;
}

}  // namespace memory
