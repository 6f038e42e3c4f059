#include "platform/ini_document.h"

#include <algorithm>
#include <cstring>

#include "platform/ini_text.h"

namespace tk73 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Offset of the next CR or LF at or after begin, or the size of the text when there is none.
size_t lineEndFrom(const std::string& bytes, size_t begin) {
    const char* start = bytes.data() + begin;
    const size_t rest = bytes.size() - begin;
    const void* lineFeed = std::memchr(start, '\n', rest);
    const size_t limit =
        lineFeed ? static_cast<size_t>(static_cast<const char*>(lineFeed) - start) : rest;
    const void* carriageReturn = std::memchr(start, '\r', limit);
    return begin + (carriageReturn
                        ? static_cast<size_t>(static_cast<const char*>(carriageReturn) - start)
                        : limit);
}

}  // namespace

IniDocument::IniDocument() : sections_{IniSection{}} {}

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {
    if (std::string_view(bytes_).starts_with(kByteOrderMark)) {
        linesBegin_ = kByteOrderMark.size();
    }
    lines_.reserve(static_cast<size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1);
    sections_.push_back(IniSection{});
    bool emptyNameBefore = false;
    size_t begin = linesBegin_;
    while (begin < bytes_.size()) {
        const size_t end = lineEndFrom(bytes_, begin);
        size_t next = end;
        if (next < bytes_.size()) {
            next += bytes_.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        }
        IniLine line = parseLine(begin, end, next);
        if (line.kind == IniLine::Kind::Section) {
            sections_.back().end = lines_.size();
            sections_.push_back(IniSection{lines_.size(), lines_.size() + 1, 0});
            emptyNameBefore = false;
        } else if (line.kind == IniLine::Kind::Entry) {
            const bool emptyName = line.nameBegin == line.nameEnd;
            if (emptyName && emptyNameBefore) {
                line.kind = IniLine::Kind::Dropped;
            }
            emptyNameBefore = emptyName;
        }
        lines_.push_back(line);
        begin = next;
    }
    sections_.back().end = lines_.size();
}

IniLine IniDocument::parseLine(size_t begin, size_t end, size_t next) const {
    IniLine line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    const std::string_view text =
        trimIniBlanks(std::string_view(bytes_.data() + begin, end - begin));
    const auto offsetOf = [&](std::string_view part) {
        return static_cast<size_t>(part.data() - bytes_.data());
    };
    const auto setName = [&](std::string_view name) {
        line.nameBegin = offsetOf(name);
        line.nameEnd = line.nameBegin + name.size();
    };
    if (text.empty()) {
        return line;
    }
    if (text.front() == '[') {
        const size_t close = text.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = IniLine::Kind::Section;
            setName(trimIniBlanks(text.substr(1, close - 1)));
            return line;
        }
    }
    line.kind = IniLine::Kind::Entry;
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        setName(text);
        return line;
    }
    line.hasValue = true;
    setName(trimIniBlanks(text.substr(0, equals)));
    const std::string_view value = trimIniBlanks(text.substr(equals + 1));
    line.valueBegin = value.empty() ? offsetOf(text) + text.size() : offsetOf(value);
    line.valueEnd = line.valueBegin + value.size();
    return line;
}

std::string_view IniDocument::name(const IniLine& line) const {
    return std::string_view(bytes_).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

std::string_view IniDocument::value(const IniLine& line) const {
    return std::string_view(bytes_).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

std::string_view IniDocument::name(const IniSection& section) const {
    return section.header == IniSection::kNoHeader ? std::string_view()
                                                   : name(lines_[section.header]);
}

bool IniDocument::isComment(const IniLine& line) const {
    return line.nameEnd > line.nameBegin && bytes_[line.nameBegin] == ';';
}

std::optional<size_t> IniDocument::findSection(std::string_view name, size_t from) const {
    for (size_t i = from; i < sections_.size(); ++i) {
        if (iniNamesEqual(this->name(sections_[i]), name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::findEntry(size_t section, std::string_view name) const {
    const IniSection& found = sections_[section];
    for (size_t i = found.first; i < found.end; ++i) {
        if (lines_[i].kind == IniLine::Kind::Entry && iniNamesEqual(this->name(lines_[i]), name)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace tk73
