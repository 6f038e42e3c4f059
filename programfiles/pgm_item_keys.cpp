#include "programfiles/pgm_item_keys.h"

#include <algorithm>
#include <vector>

#include "definitions/decimal_text.h"

namespace tk73pgm {

namespace {

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> tokensOf(std::string_view text) {
    std::vector<std::string_view> tokens;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        tokens.push_back(trimmed(text.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return tokens;
        }
        start = comma + 1;
    }
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if (c != word[i]) {
            return false;
        }
    }
    return true;
}

bool hasNumber(const std::vector<std::string_view>& tokens, size_t index) {
    return index < tokens.size() && !tokens[index].empty();
}

// The records from first on that a count asks for, up to the last record there can be.
int boundedCount(int first, int count) {
    return std::min(count, kLastRecord - first + 1);
}

}  // namespace

int parseItemMemory(std::string_view text, tagPGMITEMDEF& def) {
    const std::vector<std::string_view> tokens = tokensOf(text);
    if (!hasNumber(tokens, 1)) {
        return 0;
    }
    const int number = tk73def::decimalValue(tokens[1]);
    if (tokens[0] == "INDEX") {
        const int count = hasNumber(tokens, 2) ? tk73def::decimalValue(tokens[2]) : 1;
        if (number < 1 || number > kLastRecord || count < 1) {
            return 0;
        }
        def.nMemoryType = PGM_MEMORY_INDEX;
        def.nFirstRecord = number;
        def.nRecordCount = boundedCount(number, count);
    } else if (tokens[0] == "COUNT") {
        if (number < 1) {
            return 0;
        }
        def.nMemoryType = PGM_MEMORY_COUNT;
        def.nFirstRecord = 1;
        def.nRecordCount = boundedCount(1, number);
    } else if (tokens[0] == "FUNC") {
        // The function number stands in the first record until the item is resolved.
        if (number < 0 || number > kLastRecord) {
            return 0;
        }
        def.nMemoryType = PGM_MEMORY_FUNC;
        def.nFirstRecord = number;
        def.nRecordCount = 1;
    } else {
        return 0;
    }
    return 1;
}

int parseItemLayout(std::string_view text, tagPGMITEMDEF& def) {
    static constexpr std::string_view kTypes[] = {"CHAR", "DIGIT", "BIT", "HEX"};
    const std::vector<std::string_view> tokens = tokensOf(text);
    if (tokens.size() < 3) {
        return 0;
    }
    int type = -1;
    for (int i = 0; i < 4; ++i) {
        if (equalsIgnoringCase(tokens[0], kTypes[i])) {
            type = i;
        }
    }
    const std::string_view place = tokens[1];
    if (type < 0 || place.size() < 2 || (place[0] != 'D' && place[0] != 'd')) {
        return 0;
    }
    const int position = tk73def::decimalValue(place.substr(1));
    int width = tk73def::decimalValue(tokens[2]);
    if (position < 1 || width < 1) {
        return 0;
    }
    if (type == PGM_DATA_BIT) {
        // A bit of one hexadecimal digit: masks beyond 8 name no bit of it.
        if ((width & 0xF) == 0) {
            return 0;
        }
        int bit = 1;
        while ((width & 1) == 0) {
            width >>= 1;
            ++bit;
        }
        width = bit;
    }
    def.nDataType = type;
    def.nPosition = position;
    def.nWidth = width;
    return 1;
}

}  // namespace tk73pgm
