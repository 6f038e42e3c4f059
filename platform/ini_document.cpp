#include "platform/ini_document.h"

#include <cstring>

#include "platform/ini_text.h"

namespace tk73 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Offset of the next LF at or after begin, or the size of the text when there is none.
size_t lineFeedFrom(const std::string& bytes, size_t begin) {
    const void* found = std::memchr(bytes.data() + begin, '\n', bytes.size() - begin);
    return found ? static_cast<size_t>(static_cast<const char*>(found) - bytes.data())
                 : bytes.size();
}

}  // namespace

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {
    if (std::string_view(bytes_).starts_with(kByteOrderMark)) {
        linesBegin_ = kByteOrderMark.size();
    }
    size_t count = 0;
    for (size_t at = linesBegin_; at < bytes_.size(); at = lineFeedFrom(bytes_, at) + 1) {
        ++count;
    }
    lines_.reserve(count);
    size_t begin = linesBegin_;
    while (begin < bytes_.size()) {
        const size_t lineFeed = lineFeedFrom(bytes_, begin);
        const bool found = lineFeed < bytes_.size();
        size_t end = lineFeed;
        const size_t next = found ? end + 1 : end;
        if (found && end > begin && bytes_[end - 1] == '\r') {
            --end;
        }
        lines_.push_back(parseLine(begin, end, next));
        begin = next;
    }
}

IniLine IniDocument::parseLine(size_t begin, size_t end, size_t next) const {
    IniLine line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    const std::string_view all(bytes_.data() + begin, end - begin);
    const std::string_view text = trimIniBlanks(all);
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
    if (text.front() == ';') {
        line.kind = IniLine::Kind::Comment;
        return line;
    }
    if (text.front() == '[') {
        const size_t close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = IniLine::Kind::Section;
            setName(trimIniBlanks(text.substr(1, close - 1)));
            return line;
        }
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    const std::string_view name = trimIniBlanks(text.substr(0, equals));
    line.kind = IniLine::Kind::Key;
    setName(name);
    const std::string_view value = trimIniBlanks(text.substr(equals + 1));
    line.valueBegin = value.empty() ? offsetOf(text) + text.size() : offsetOf(value);
    line.valueEnd = line.valueBegin + value.size();
    return line;
}

std::string_view IniDocument::text(const IniLine& line) const {
    return trimIniBlanks(std::string_view(bytes_).substr(line.begin, line.end - line.begin));
}

std::string_view IniDocument::name(const IniLine& line) const {
    return std::string_view(bytes_).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

std::string_view IniDocument::value(const IniLine& line) const {
    return std::string_view(bytes_).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

std::optional<size_t> IniDocument::findSection(std::string_view name) const {
    const std::string_view wanted = trimIniBlanks(name);
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == IniLine::Kind::Section &&
            iniNamesEqual(this->name(lines_[i]), wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

size_t IniDocument::sectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != IniLine::Kind::Section) {
        ++i;
    }
    return i;
}

std::optional<size_t> IniDocument::findKey(size_t header, std::string_view key) const {
    const std::string_view wanted = trimIniBlanks(key);
    for (size_t i = header + 1; i < lines_.size() && lines_[i].kind != IniLine::Kind::Section;
         ++i) {
        if (lines_[i].kind == IniLine::Kind::Key && iniNamesEqual(name(lines_[i]), wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace tk73
