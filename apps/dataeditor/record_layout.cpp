#include "apps/dataeditor/record_layout.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace tk73edit {

namespace {

bool beginsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

// Whether the line begins with the record number written with 6, 5 or 4 digits.
bool beginsWithNumber(std::string_view line, int number) {
    for (const int digits : {6, 5, 4}) {
        char text[16];
        std::snprintf(text, sizeof(text), "%0*d", digits, number);
        if (beginsWith(line, text)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<RecordLayout> findRecordLayout(const char* bytes, size_t size) {
    const std::string_view all(bytes, size);
    size_t start = 0;
    while (start < size) {
        const std::string_view line = all.substr(start);
        if (beginsWith(line, "000001") || beginsWith(line, "00001") || beginsWith(line, "0001")) {
            break;
        }
        const size_t next = all.find('\n', start);
        if (next == std::string_view::npos) {
            return std::nullopt;
        }
        start = next + 1;
    }
    if (start >= size) {
        return std::nullopt;
    }
    RecordLayout layout;
    layout.firstRecord = start;
    const size_t lineEnd = all.find_first_of("\r\n", start);
    layout.length = (lineEnd == std::string_view::npos ? size : lineEnd) - start;
    const size_t lines = (size - start) / (layout.length + 2);
    if (lines >= static_cast<size_t>(kMaxRecords) + 1) {
        layout.count = kMaxRecords;
        return layout;
    }
    layout.count = static_cast<int>(lines);
    if (layout.count > 0 &&
        !beginsWithNumber(all.substr(layout.lineStart(layout.count - 1)), layout.count)) {
        --layout.count;
    }
    return layout;
}

}  // namespace tk73edit
