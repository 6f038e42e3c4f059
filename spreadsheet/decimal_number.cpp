#include "spreadsheet/decimal_number.h"

#include <string>

namespace tk73sheet {

namespace {

// Digits a binary double carries faithfully; longer numbers are its full expansion.
constexpr size_t kDoubleDigits = 15;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

ScaledNumber scaledNumber(std::string_view text, int decimals) {
    using Status = ScaledNumber::Status;
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // The significant digits, and the power of ten of the last one.
    std::string digits;
    long exponent = 0;
    bool separator = false;
    bool anyDigit = false;
    size_t at = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (isDigit(c)) {
            anyDigit = true;
            if (!digits.empty() || c != '0') {
                digits += c;
            }
            exponent -= separator ? 1 : 0;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return {Status::NotANumber, 0};
    }
    if (at < text.size()) {
        if (text[at] != 'e' && text[at] != 'E') {
            return {Status::NotANumber, 0};
        }
        std::string_view power = text.substr(at + 1);
        bool powerNegative = false;
        if (!power.empty() && (power.front() == '+' || power.front() == '-')) {
            powerNegative = power.front() == '-';
            power.remove_prefix(1);
        }
        if (power.empty() || power.size() > 4) {
            return {Status::NotANumber, 0};
        }
        long value = 0;
        for (const char c : power) {
            if (!isDigit(c)) {
                return {Status::NotANumber, 0};
            }
            value = value * 10 + (c - '0');
        }
        exponent += powerNegative ? -value : value;
    }
    if (digits.empty()) {
        return {Status::Ok, 0};
    }
    if (negative) {
        return {Status::Negative, 0};
    }
    // digits x 10^(exponent + decimals): the digits below the unit are cut off, and must be
    // zeros unless the number is a full floating-point expansion, which is rounded.
    const long shift = exponent + decimals;
    const long keep = static_cast<long>(digits.size()) + shift;
    bool roundUp = false;
    if (shift < 0) {
        const std::string dropped = keep > 0 ? digits.substr(static_cast<size_t>(keep)) : digits;
        if (dropped.find_first_not_of('0') != std::string::npos) {
            if (digits.size() <= kDoubleDigits) {
                return {Status::TooPrecise, 0};
            }
            // When keep is negative the first dropped digit lies further down and rounds to 0.
            roundUp = keep >= 0 && dropped[0] >= '5';
        }
        digits = keep > 0 ? digits.substr(0, static_cast<size_t>(keep)) : "";
    } else {
        if (shift > 20) {
            return {Status::TooLarge, 0};
        }
        digits.append(static_cast<size_t>(shift), '0');
    }
    uint64_t value = 0;
    for (const char c : digits) {
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) {
            return {Status::TooLarge, 0};
        }
        value = value * 10 + digit;
    }
    if (roundUp) {
        if (value == UINT64_MAX) {
            return {Status::TooLarge, 0};
        }
        ++value;
    }
    return {Status::Ok, value};
}

std::string decimalText(uint64_t value, int decimals) {
    std::string digits = std::to_string(value);
    if (decimals <= 0) {
        return digits;
    }
    const size_t places = static_cast<size_t>(decimals);
    if (digits.size() <= places) {
        digits = std::string(places + 1 - digits.size(), '0') + digits;
    }
    const size_t units = digits.size() - places;
    return digits.substr(0, units) + "." + digits.substr(units);
}

}  // namespace tk73sheet
