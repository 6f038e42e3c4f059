#include "storedb/edb_field_text.h"

#include <cstdio>

#include "definitions/decimal_text.h"
#include "platform/double_byte.h"

namespace tk73store {

std::string boundedText(std::string_view text, size_t bytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t step = tk73::characterLength(text, end);
        if (end + step > bytes) {
            break;
        }
        end += step;
    }
    return std::string(text.substr(0, end));
}

std::string numberText(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", number);
    return text;
}

std::string plainNumberText(int number) {
    return std::to_string(number);
}

int numberOf(std::string_view text) {
    return tk73def::decimalValue(text);
}

char flagOf(std::string_view text, char fallback) {
    return text.empty() ? fallback : text.front();
}

std::string flagText(char flag) {
    // A record that was never filled has no flag character; the tables then keep the initial one.
    return std::string(1, flag == '\0' ? '0' : flag);
}

}  // namespace tk73store
