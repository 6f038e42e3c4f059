#include "outside/logoconv/logo_text.h"

#include <cstdio>

namespace logoconv {

namespace {

constexpr int kLeastDigits = 4;
constexpr int kMostDigits = 6;

}  // namespace

std::optional<std::string> logoText(const std::string& pattern, const std::string& rows,
                                    int rowBytes) {
    size_t end = 0;
    for (int line = 0; line < 3; ++line) {
        end = pattern.find('\n', end);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        ++end;
    }
    std::string text = pattern.substr(0, end);
    // The records keep the number width of the file they replace.
    const size_t comma = pattern.find(',', end);
    int digits = comma != std::string::npos ? static_cast<int>(comma - end) : 5;
    if (digits < kLeastDigits || digits > kMostDigits) {
        digits = 5;
    }
    const size_t count = rowBytes > 0 ? rows.size() / rowBytes : 0;
    for (size_t row = 0; row < count; ++row) {
        char number[32];
        std::snprintf(number, sizeof number, "%0*zu,\"", digits, row + 1);
        text += number;
        for (int i = 0; i < rowBytes; ++i) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X",
                          static_cast<unsigned char>(rows[row * rowBytes + i]));
            text += hex;
        }
        text += "\"\r\n";
    }
    return text;
}

}  // namespace logoconv
