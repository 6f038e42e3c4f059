#pragma once
// A profile file parsed into lines. The document keeps every byte of the file, so an edit can
// change one line and leave all the others, their line ends included, exactly as they were.
//
// A line is a section header ("[name]", text after the closing bracket ignored), a comment (first
// non-blank byte ';'), a key ("name=value"; "=value" is the key whose name is empty, as Windows
// reads it) or anything else, which is neither a key nor a section. Lines end with LF or CR LF;
// the last line may have no line end. A UTF-8 byte order mark at the start of the file, as
// Windows editors save a file, is kept in the bytes but belongs to no line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk73 {

struct IniLine {
    enum class Kind { Other, Comment, Section, Key };
    Kind kind = Kind::Other;
    size_t begin = 0;  // first byte of the line
    size_t end = 0;    // end of the line's text, before its line end
    size_t next = 0;   // first byte of the following line (end of file for the last)
    // For sections and keys, the name without surrounding blanks; for keys, the value likewise.
    size_t nameBegin = 0;
    size_t nameEnd = 0;
    size_t valueBegin = 0;
    size_t valueEnd = 0;
};

class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    // Offset of the first line: past the byte order mark when the file begins with one.
    size_t linesBegin() const { return linesBegin_; }
    const std::vector<IniLine>& lines() const { return lines_; }

    std::string_view text(const IniLine& line) const;
    std::string_view name(const IniLine& line) const;
    std::string_view value(const IniLine& line) const;

    // Index of the header line of the first section of that name.
    std::optional<size_t> findSection(std::string_view name) const;
    // One past the last line of the section whose header is at that index.
    size_t sectionEnd(size_t header) const;
    // Index of the first key of that name in the section whose header is at that index.
    std::optional<size_t> findKey(size_t header, std::string_view key) const;

  private:
    IniLine parseLine(size_t begin, size_t end, size_t next) const;

    std::string bytes_;
    size_t linesBegin_ = 0;
    std::vector<IniLine> lines_;
};

}  // namespace tk73
