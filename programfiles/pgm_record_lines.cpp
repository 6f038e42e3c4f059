#include "programfiles/pgm_record_lines.h"

#include <algorithm>
#include <cstring>

namespace tk73pgm {

namespace {

// The record number that begins the line, when it is written in 6 or 5 digits followed by ",";
// else -1.
long recordNumberOf(const char* bytes, size_t size, size_t lineStart) {
    long number = 0;
    size_t pos = lineStart;
    while (pos < size && pos - lineStart < 7 && bytes[pos] >= '0' && bytes[pos] <= '9') {
        number = number * 10 + (bytes[pos] - '0');
        ++pos;
    }
    const size_t digits = pos - lineStart;
    if ((digits != 6 && digits != 5) || pos >= size || bytes[pos] != ',') {
        return -1;
    }
    return number;
}

}  // namespace

std::vector<size_t> collectRecordLines(const char* bytes, size_t size, long limit) {
    std::vector<size_t> starts;
    size_t lineStart = 0;
    while (lineStart < size && (limit < 0 || static_cast<long>(starts.size()) < limit)) {
        const bool record =
            recordNumberOf(bytes, size, lineStart) == static_cast<long>(starts.size()) + 1;
        if (record) {
            starts.push_back(lineStart);
        }
        const void* newline = std::memchr(bytes + lineStart, '\n', size - lineStart);
        if (newline == nullptr) {
            break;
        }
        const size_t next = static_cast<size_t>(static_cast<const char*>(newline) - bytes) + 1;
        // Record lines are all as long as the first: room for the rest at once (no more than
        // six-digit record numbers can count).
        if (record && starts.size() == 1) {
            starts.reserve(std::min<size_t>((size - lineStart) / (next - lineStart) + 1, 999999));
        }
        lineStart = next;
    }
    return starts;
}

}  // namespace tk73pgm
