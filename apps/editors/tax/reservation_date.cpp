#include "apps/editors/tax/reservation_date.h"

#include <cstdio>
#include <cstdlib>

namespace tk73tax {

namespace {

constexpr int kFirstYear = 2000;
constexpr int kEndYear = 2100;
// Digits of the year, the month and the day.
constexpr int kPartDigits = 2;

}  // namespace

std::optional<uint64_t> reservationNumber(const QDate& date) {
    if (!date.isValid() || date.year() < kFirstYear || date.year() >= kEndYear) {
        return std::nullopt;
    }
    // The pattern is built from the digits of each part, as the register's own tools do.
    char pattern[32];
    std::snprintf(pattern, sizeof(pattern), "%%0%dd%%0%dd%%0%dd", kPartDigits, kPartDigits,
                  kPartDigits);
    char digits[32];
    std::snprintf(digits, sizeof(digits), pattern, date.year() - kFirstYear, date.month(),
                  date.day());
    return std::strtoull(digits, nullptr, 10);
}

std::optional<QDate> reservationDate(uint64_t number) {
    if (number == 0 || number > 999999) {
        return std::nullopt;
    }
    const QDate date(kFirstYear + static_cast<int>(number / 10000),
                     static_cast<int>(number / 100 % 100), static_cast<int>(number % 100));
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

bool canReserve(const QDate& date, const QDate& today) {
    return date.isValid() && date >= today && date.year() < kEndYear;
}

}  // namespace tk73tax
