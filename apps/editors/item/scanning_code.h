#pragma once
// The bar code rule of the scanning PLU file. A code is typed with at most 13 characters and
// stored as 14 digits: the code right-aligned behind leading zeros, which is the 14-digit form
// of the article numbers the register reads, so one article typed as UPC-A or as EAN-13 lands on
// the same record. A free record holds 14 zeros, so no code may be all zeros.
//
// Accepted (blanks around the code are ignored; anything but digits is refused):
//   13 digits   EAN-13, its last digit the check digit
//   12 digits   UPC-A, its last digit the check digit
//    8 digits   EAN-8, its last digit the check digit
//   1-7 digits  an in-store code the shop gave itself: no check digit
// Every other length is refused, and so is a code whose check digit is wrong: the register would
// never read such a code from a label (a zero-suppressed UPC-E is typed in its UPC-A form; eight
// digits are always EAN-8). In-store article numbers of the EAN ranges (EAN-13 and UPC-A
// beginning with 2, EAN-8 beginning with 0 or 2) carry their check digit like any other.

#include <optional>
#include <string>
#include <string_view>

namespace tk73item {

// Characters of a stored scanning code, and the most a user types.
inline constexpr size_t kStoredCodeLength = 14;
inline constexpr size_t kTypedCodeLength = 13;

// The stored code of a free record.
inline const std::string kFreeCode(kStoredCodeLength, '0');

// The check digit of the digits that precede it (GS1: weights 3 and 1 from the right).
[[nodiscard]] int checkDigit(std::string_view digits);

// The code in its stored form, or nullopt when it breaks the rule above.
std::optional<std::string> normaliseScanningCode(std::string_view typed);

}  // namespace tk73item
