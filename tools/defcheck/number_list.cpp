#include "tools/defcheck/number_list.h"

namespace tk73tools {

std::optional<int> parseNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::vector<std::string> splitCommas(std::string_view text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        parts.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

std::optional<std::vector<int>> parseNumberList(std::string_view text) {
    std::vector<int> numbers;
    for (const std::string& part : splitCommas(text)) {
        if (part.empty()) {
            continue;
        }
        std::optional<int> number = parseNumber(part);
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    return numbers;
}

}  // namespace tk73tools
