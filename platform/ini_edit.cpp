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

std::string appendedSection(const IniDocument& document, std::string_view section,
                            std::string_view key, std::string_view value) {
    const std::string& bytes = document.bytes();
    std::string appended;
    if (bytes.size() > document.linesBegin() && bytes.back() != '\n' && bytes.back() != '\r') {
        appended.append(kLineEnd);
    }
    appended.append("[").append(section).append("]").append(kLineEnd);
    appended.append(keyLine(key, value));
    return spliced(bytes, bytes.size(), bytes.size(), appended);
}

// Offset of the first byte of the section: its header, or the first line for the section
// without header.
size_t sectionBegin(const IniDocument& document, const IniSection& section) {
    return section.header == IniSection::kNoHeader ? document.linesBegin()
                                                   : document.lines()[section.header].begin;
}

}  // namespace

std::optional<std::string> iniWithValue(const IniDocument& document, std::string_view section,
                                        std::string_view key, std::string_view value) {
    const std::string_view written = trimIniBlanksFront(value);
    const auto found = document.findSection(trimIniBlanks(section));
    if (!found) {
        return appendedSection(document, trimIniBlanksFront(section), trimIniBlanksFront(key),
                               written);
    }
    const auto& lines = document.lines();
    if (const auto entry = document.findEntry(*found, trimIniBlanks(key))) {
        // The line keeps everything up to the end of its name (indentation and the letter case
        // of the name as the file has them); only what follows is rewritten.
        const IniLine& line = lines[*entry];
        if (line.hasValue && document.value(line) == written) {
            return std::nullopt;
        }
        std::string with(document.bytes(), line.begin, line.nameEnd - line.begin);
        with.append("=").append(written).append(kLineEnd);
        return spliced(document.bytes(), line.begin, line.next, with);
    }
    const IniSection& target = document.sections()[*found];
    size_t after = target.header;
    for (size_t i = target.first; i < target.end; ++i) {
        if (lines[i].kind != IniLine::Kind::Blank) {
            after = i;
        }
    }
    const std::string added = keyLine(trimIniBlanksFront(key), written);
    if (after == IniSection::kNoHeader) {
        return spliced(document.bytes(), document.linesBegin(), document.linesBegin(), added);
    }
    return insertedAfter(document, lines[after], added);
}

std::optional<std::string> iniWithoutKey(const IniDocument& document, std::string_view section,
                                         std::string_view key) {
    for (auto found = document.findSection(section); found;
         found = document.findSection(section, *found + 1)) {
        if (const auto entry = document.findEntry(*found, key)) {
            const IniLine& line = document.lines()[*entry];
            return spliced(document.bytes(), line.begin, line.next, {});
        }
    }
    return std::nullopt;
}

std::optional<std::string> iniWithoutSection(const IniDocument& document,
                                             std::string_view section) {
    const auto found = document.findSection(section);
    if (!found) {
        return std::nullopt;
    }
    const auto& sections = document.sections();
    const size_t begin = sectionBegin(document, sections[*found]);
    const size_t end = *found + 1 < sections.size() ? sectionBegin(document, sections[*found + 1])
                                                    : document.bytes().size();
    if (begin == end) {
        return std::nullopt;
    }
    return spliced(document.bytes(), begin, end, {});
}

}  // namespace tk73
