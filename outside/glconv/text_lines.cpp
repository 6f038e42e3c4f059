#include "outside/glconv/text_lines.h"

#include <cstdio>

namespace glconv {

bool TextLines::next(std::string_view& line) {
    if (at_ >= text_.size()) {
        return false;
    }
    const size_t end = text_.find('\n', at_);
    const size_t stop = end == std::string_view::npos ? text_.size() : end;
    crLf_ = end != std::string_view::npos && stop > at_ && text_[stop - 1] == '\r';
    line = text_.substr(at_, stop - at_ - (crLf_ ? 1 : 0));
    at_ = end == std::string_view::npos ? text_.size() : end + 1;
    return true;
}

int titleLineFileNo(std::string_view line) {
    constexpr std::string_view kHead = "\"C\",\"n:P0";
    if (line.size() != kHead.size() + 5 || line.substr(0, kHead.size()) != kHead ||
        line.substr(kHead.size() + 3) != ":\"") {
        return -1;
    }
    int fileNo = 0;
    for (char c : line.substr(kHead.size(), 3)) {
        if (c < '0' || c > '9') {
            return -1;
        }
        fileNo = fileNo * 10 + (c - '0');
    }
    return fileNo;
}

std::string titleLine(int fileNo) {
    char line[32];
    std::snprintf(line, sizeof line, "\"C\",\"n:P0%03d:\"\r\n", fileNo);
    return line;
}

}  // namespace glconv
