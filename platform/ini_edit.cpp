#include "platform/ini_edit.h"

#include "platform/ini_text.h"

namespace tk73 {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string keyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + value.size() + 3);
    line.append(key).append("=").append(value).append(kLineEnd);
    return line;
}

// The bytes with [begin, end) replaced.
std::string spliced(const std::string& bytes, size_t begin, size_t end, std::string_view with) {
    std::string result;
    result.reserve(bytes.size() - (end - begin) + with.size());
    result.append(bytes, 0, begin).append(with).append(bytes, end, std::string::npos);
    return result;
}

// Inserts lines after the given line; a line that ends the file without a line end gets one
// first, so the inserted text starts on a line of its own.
std::string insertedAfter(const IniDocument& document, const IniLine& line,
                          std::string_view lines) {
    std::string with;
    if (line.next == line.end) {
        with.append(kLineEnd);
    }
    with.append(lines);
    return spliced(document.bytes(), line.next, line.next, with);
}

}  // namespace

std::string iniWithValue(const IniDocument& document, std::string_view section,
                         std::string_view key, std::string_view value) {
    const auto& lines = document.lines();
    const auto header = document.findSection(section);
    if (!header) {
        const std::string& bytes = document.bytes();
        std::string appended;
        if (bytes.size() > document.linesBegin() && bytes.back() != '\n') {
            appended.append(kLineEnd);
        }
        appended.append("[").append(trimIniBlanks(section)).append("]").append(kLineEnd);
        appended.append(keyLine(trimIniBlanks(key), value));
        return spliced(bytes, bytes.size(), bytes.size(), appended);
    }
    if (const auto found = document.findKey(*header, key)) {
        // The line keeps everything up to the end of its name (indentation and the letter case
        // of the name as the file has them); only what follows is rewritten.
        const IniLine& line = lines[*found];
        std::string with(document.bytes(), line.begin, line.nameEnd - line.begin);
        with.append("=").append(value).append(kLineEnd);
        return spliced(document.bytes(), line.begin, line.next, with);
    }
    size_t after = *header;
    for (size_t i = *header + 1; i < document.sectionEnd(*header); ++i) {
        if (lines[i].kind == IniLine::Kind::Key) {
            after = i;
        }
    }
    return insertedAfter(document, lines[after], keyLine(trimIniBlanks(key), value));
}

std::optional<std::string> iniWithoutKey(const IniDocument& document, std::string_view section,
                                         std::string_view key) {
    const auto header = document.findSection(section);
    const auto found = header ? document.findKey(*header, key) : std::nullopt;
    if (!found) {
        return std::nullopt;
    }
    const IniLine& line = document.lines()[*found];
    return spliced(document.bytes(), line.begin, line.next, {});
}

std::optional<std::string> iniWithoutSection(const IniDocument& document,
                                             std::string_view section) {
    const auto header = document.findSection(section);
    if (!header) {
        return std::nullopt;
    }
    const auto& lines = document.lines();
    const size_t end = document.sectionEnd(*header);
    const size_t endByte = end < lines.size() ? lines[end].begin : document.bytes().size();
    return spliced(document.bytes(), lines[*header].begin, endByte, {});
}

}  // namespace tk73
