#pragma once
// Small conversions the spreadsheet readers share: cell references and spreadsheet dates.

#include <string>
#include <string_view>

namespace tk73sheet {

// The zero-based column of a cell reference ("B7" is 1); -1 when it names none.
[[nodiscard]] int columnOfReference(std::string_view reference);

// A spreadsheet's day number (1 is 1900-01-01; with date1904, 0 is 1904-01-01) as
// "YYYY-MM-DD", with " HH:MM:SS" when it has a time of day.
std::string dateText(double serial, bool date1904);

}  // namespace tk73sheet
