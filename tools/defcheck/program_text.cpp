#include "tools/defcheck/program_text.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace tk73tools {

namespace {

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Width of the record number that starts record 1, or 0 when the line is no first record.
int firstRecordWidth(std::string_view line) {
    for (std::string_view prefix : {"000001,", "00001,", "0001,"}) {
        if (line.starts_with(prefix)) {
            return static_cast<int>(prefix.size()) - 1;
        }
    }
    return 0;
}

}  // namespace

std::string ProgramText::version() const {
    if (headerLines.size() < 2 || headerLines[1].size() < kVersionOffset + 2) {
        return {};
    }
    return std::string(headerLines[1].substr(kVersionOffset, 2));
}

bool readProgramText(const std::string& path, ProgramText& text, std::string& fault) {
    text = ProgramText{};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fault = "cannot be read";
        return false;
    }
    text.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::string_view all(text.bytes);
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find("\r\n", start);
        if (end == std::string_view::npos) {
            fault = "its last line does not end with CR LF";
            return false;
        }
        std::string_view line = all.substr(start, end - start);
        if (line.find('\n') != std::string_view::npos ||
            line.find('\r') != std::string_view::npos) {
            fault = "a line ends without CR LF";
            return false;
        }
        if (text.numberWidth == 0) {
            text.numberWidth = firstRecordWidth(line);
        }
        (text.numberWidth ? text.records : text.headerLines).push_back(line);
        start = end + 2;
    }
    if (text.records.empty()) {
        fault = "holds no record numbered 1";
        return false;
    }
    for (size_t i = 0; i < text.records.size(); ++i) {
        std::string_view line = text.records[i];
        char expected[16];
        std::snprintf(expected, sizeof expected, "%0*zu,", text.numberWidth, i + 1);
        if (!line.starts_with(expected) || !isDigits(line.substr(0, text.numberWidth))) {
            fault = "record line " + std::to_string(i + 1) + " does not begin with " + expected;
            return false;
        }
        if (line.size() != text.records[0].size()) {
            fault = "record line " + std::to_string(i + 1) + " is " + std::to_string(line.size()) +
                    " characters long, record 1 " + std::to_string(text.records[0].size());
            return false;
        }
    }
    return true;
}

std::string headerFault(const ProgramText& text, int fileNo) {
    if (text.headerLines.size() != 3) {
        return "has " + std::to_string(text.headerLines.size()) +
               " header lines instead of the title, header and file lines";
    }
    char title[32];
    std::snprintf(title, sizeof title, "\"C\",\"n:P0%03d:\"", fileNo);
    if (text.headerLines[0] != title) {
        return "its title line is not " + std::string(title);
    }
    std::string_view header = text.headerLines[1];
    if (!(header.starts_with("\"H\",") || header.starts_with("\"h\",")) ||
        !isDigits(text.version())) {
        return "its header line lacks \"H\" or \"h\" and the version digits at offset 45";
    }
    std::string_view fileLine = text.headerLines[2];
    char name[16];
    std::snprintf(name, sizeof name, "FILE%03d", fileNo);
    bool newType = header[1] == 'h';
    if (!fileLine.starts_with(newType ? "\"f\",\"" : "\"F\",\"") || fileLine.size() <= 12 ||
        fileLine.substr(5, 7) != name) {
        return std::string("its file line does not name ") + name + " after " +
               (newType ? "\"f\"" : "\"F\"");
    }
    size_t block = 0;
    for (std::string_view line : text.headerLines) {
        block += line.size() + 2;
    }
    if (block != kHeaderBlockLength) {
        return "its header lines take " + std::to_string(block) + " bytes instead of 130";
    }
    return {};
}

}  // namespace tk73tools
