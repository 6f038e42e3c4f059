#include "apps/dataeditor/title_line.h"

#include <fstream>

namespace tk73edit {

namespace {

constexpr int kTitleLines = 3;
constexpr size_t kLineChars = 255;
constexpr std::string_view kMark = "\"C\"";
// From the mark's position to the title: the mark, the comma and the opening quote.
constexpr size_t kTitleOffset = 5;

}  // namespace

std::string readFileTitle(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    for (int i = 0; i < kTitleLines && std::getline(file, line); ++i) {
        line = line.substr(0, kLineChars);
        const size_t mark = line.find(kMark);
        if (mark == std::string::npos) {
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        // The closing quote is the line's last character.
        if (line.size() < mark + kTitleOffset + 1) {
            return {};
        }
        return line.substr(mark + kTitleOffset, line.size() - 1 - (mark + kTitleOffset));
    }
    return {};
}

std::string titleLineFor(const std::string& title) {
    return title.empty() ? std::string() : "\"C\",\"" + title + "\"\r\n";
}

size_t storedTitleLineLength(std::string_view bytes) {
    if (bytes.substr(0, kMark.size()) != kMark) {
        return 0;
    }
    const size_t end = bytes.find('\n');
    return end == std::string_view::npos ? bytes.size() : end + 1;
}

}  // namespace tk73edit
