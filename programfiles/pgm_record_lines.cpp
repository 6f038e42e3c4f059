#include "programfiles/pgm_record_lines.h"

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

size_t lineEnd(const char* bytes, size_t size, size_t lineStart) {
    const void* found = std::memchr(bytes + lineStart, '\n', size - lineStart);
    if (found == nullptr) {
        return size;
    }
    size_t end = static_cast<size_t>(static_cast<const char*>(found) - bytes);
    if (end > lineStart && bytes[end - 1] == '\r') {
        --end;
    }
    return end;
}

int nextField(const char* bytes, size_t lineEnd, size_t& pos, FieldSpan& span) {
    if (pos > lineEnd) {
        return 0;
    }
    if (pos < lineEnd && bytes[pos] == '"') {
        size_t from = pos + 1;
        while (const void* found = std::memchr(bytes + from, '"', lineEnd - from)) {
            const size_t quote = static_cast<size_t>(static_cast<const char*>(found) - bytes);
            if (quote + 1 == lineEnd || bytes[quote + 1] == ',') {
                span = {pos + 1, quote, true};
                pos = quote + 2;
                return 1;
            }
            from = quote + 1;
        }
        return 0;
    }
    const void* comma = std::memchr(bytes + pos, ',', lineEnd - pos);
    const size_t end =
        comma == nullptr ? lineEnd : static_cast<size_t>(static_cast<const char*>(comma) - bytes);
    span = {pos, end, false};
    // Past the line end (lineEnd + 1) means that no further field follows.
    pos = end + 1;
    return 1;
}

FieldCursor::FieldCursor(const char* bytes, size_t size, size_t lineStart)
    : bytes_(bytes),
      lineStart_(lineStart),
      lineEnd_(lineStart < size ? lineEnd(bytes, size, lineStart) : lineStart),
      pos_(lineStart < size ? lineStart : lineEnd_ + 1) {}

int FieldCursor::seek(int index, FieldSpan& span) {
    if (index < 1) {
        return 0;
    }
    if (index < index_) {
        index_ = -1;
        pos_ = lineStart_;
    }
    // The record number is the first token of the line (index 0).
    while (index_ < index) {
        if (!nextField(bytes_, lineEnd_, pos_, span_)) {
            return 0;
        }
        ++index_;
    }
    span = span_;
    return 1;
}

std::vector<size_t> collectRecordLines(const char* bytes, size_t size, long limit) {
    std::vector<size_t> starts;
    size_t lineStart = 0;
    while (lineStart < size && (limit < 0 || static_cast<long>(starts.size()) < limit)) {
        if (recordNumberOf(bytes, size, lineStart) == static_cast<long>(starts.size()) + 1) {
            starts.push_back(lineStart);
        }
        const void* newline = std::memchr(bytes + lineStart, '\n', size - lineStart);
        if (newline == nullptr) {
            break;
        }
        lineStart = static_cast<size_t>(static_cast<const char*>(newline) - bytes) + 1;
    }
    return starts;
}

}  // namespace tk73pgm
