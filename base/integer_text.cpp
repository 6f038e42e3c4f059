// The integer conversions declared in text_conversions.h.

#include <cstdio>
#include <string_view>

#include "base/text_conversions.h"

namespace {

// Substrings that figure conversion takes at most.
constexpr size_t kMaxFigure = 4095;

bool stringToInteger(int32_t& number, std::string_view text) {
    number = 0;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    while (!text.empty() && text.front() == '0') {
        text.remove_prefix(1);
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    // Ten digits are compared as text with the largest magnitude of the sign; more never fit.
    if (text.size() > 10 ||
        (text.size() == 10 && text > (negative ? "2147483648" : "2147483647"))) {
        return false;
    }
    int64_t magnitude = 0;
    for (const char c : text) {
        magnitude = magnitude * 10 + (c - '0');
    }
    number = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace

int TK73_API AecrbsStringToInteger(int32_t* number, const char* text) {
    if (number == nullptr) {
        return 0;
    }
    return stringToInteger(*number, text != nullptr ? text : "") ? 1 : 0;
}

int TK73_API AecrbsFigureToInteger(int32_t* number, const char* text, int start, int length) {
    if (number == nullptr) {
        return 0;
    }
    *number = 0;
    if (text == nullptr || text[0] == '\0') {
        return 1;
    }
    if (start < 0 || length < 0 || static_cast<size_t>(length) > kMaxFigure) {
        return 0;
    }
    const std::string_view all(text);
    const size_t end = static_cast<size_t>(start) + static_cast<size_t>(length);
    if (all.size() < end) {
        return 0;
    }
    return stringToInteger(*number, all.substr(static_cast<size_t>(start), length)) ? 1 : 0;
}

int TK73_API AecrbsIntegerToString(char* out, int32_t number) {
    if (out == nullptr) {
        return 0;
    }
    std::snprintf(out, 12, "%d", number);
    return 1;
}
