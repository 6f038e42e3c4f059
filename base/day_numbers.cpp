#include <chrono>
#include <cstdio>
#include <cstring>

#include "base/date_time.h"

namespace {

using namespace std::chrono;

constexpr sys_days kDayZero = sys_days{year{1998} / January / 1};
// Dates that have exactly four digits of year; a day number outside them would not fit the
// 8-digit text.
constexpr sys_days kFirst = sys_days{year{1} / January / 1};
constexpr sys_days kLast = sys_days{year{9999} / December / 31};

}  // namespace

int TK73_API AecrbsIntegerToDate(char* out, int dayNumber) {
    if (out == nullptr) {
        return 0;
    }
    const long long offset = dayNumber;
    if (offset < (kFirst - kDayZero).count() || offset > (kLast - kDayZero).count()) {
        out[0] = '\0';
        return 0;
    }
    const year_month_day date{kDayZero + days{offset}};
    // The range check above keeps the text at 8 digits; the compiler cannot see that.
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    std::memcpy(out, text, 9);
    return 1;
}
