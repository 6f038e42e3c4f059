#pragma once
// The date of a tax table reservation as the register stores it: year - 2000, month and day,
// two digits each, run together and read as a number (31 March 2019 is 190331); 0 means no
// reservation. The register keeps two digits for the year, so only the years 2000 to 2099 can be
// reserved, and a reservation for a day that has passed would never be carried out.

#include <QDate>

#include <cstdint>
#include <optional>

namespace tk73tax {

// The stored number of a date; nullopt for a date outside 2000 to 2099.
std::optional<uint64_t> reservationNumber(const QDate& date);
// The date a stored number stands for; nullopt for 0 and for a number that names no day.
std::optional<QDate> reservationDate(uint64_t number);
// Whether a reservation may be made for the date: today or later, before the year 2100.
[[nodiscard]] bool canReserve(const QDate& date, const QDate& today);

}  // namespace tk73tax
