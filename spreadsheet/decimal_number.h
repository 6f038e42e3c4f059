#pragma once
// Numbers as spreadsheets write them ("4.29", "4,29", "1.5E-2", "4.2900000000000004") turned
// exactly into the stored whole number of a field with decimal places, without passing through
// floating point: 4.29 with two places is 429.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tk73sheet {

struct ScaledNumber {
    enum class Status {
        Ok,
        NotANumber,  // anything but digits, one decimal separator and an exponent
        Negative,    // the register's fields hold no sign
        TooPrecise,  // more decimal places than the field has
        TooLarge     // beyond 64 bits
    };
    Status status = Status::NotANumber;
    uint64_t value = 0;
};

// The number scaled by 10^decimals. A point or a comma separates the decimals. A number of 16 or
// more significant digits is a binary floating-point value written out in full: its digits
// beyond the field's places are rounded away instead of refused.
ScaledNumber scaledNumber(std::string_view text, int decimals);

// The stored whole number as the sheet shows it: 429 with two places is "4.29".
std::string decimalText(uint64_t value, int decimals);

}  // namespace tk73sheet
