#pragma once
// A profile file parsed into lines and sections, as the Windows profile functions read it. The
// document keeps every byte of the file, so an edit can change one line and leave all the
// others, their line ends included, exactly as they were.
//
// A line ends at CR LF, LF or a lone CR; blanks around it do not count. A line that starts with
// "[" and holds a "]" is a section header; the name is what lies between the "[" and the last
// "]". Any other line that is not blank is an entry: a key ("name=value", split at the first "=")
// or a bare name (no "="). Lines starting with ";" are entries too, comments: a read of their
// name finds them, the lists leave them out. An entry with an empty name ("=value") that comes
// right after another one in its section, no other entry between them, is dropped.
//
// The lines before the first header form the section "" that has no header. Headers with an
// empty name ("[]") open sections that no name finds, since "" finds that first section.
//
// A file that begins with a UTF-8 byte order mark holds UTF-8 text; the mark belongs to no line.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk73 {

struct IniLine {
    // Dropped: an entry with an empty name that Windows leaves out (see above).
    enum class Kind { Blank, Section, Entry, Dropped };
    Kind kind = Kind::Blank;
    bool hasValue = false;  // an entry with "="
    size_t begin = 0;       // first byte of the line
    size_t end = 0;         // end of the line's text, before its line end
    size_t next = 0;        // first byte of the following line (end of file for the last)
    // For sections and entries, the name without surrounding blanks; for keys, the value likewise.
    size_t nameBegin = 0;
    size_t nameEnd = 0;
    size_t valueBegin = 0;
    size_t valueEnd = 0;
};

struct IniSection {
    static constexpr size_t kNoHeader = SIZE_MAX;
    size_t header = kNoHeader;  // index of the header line
    size_t first = 0;           // index of the first line after the header
    size_t end = 0;             // one past the index of the section's last line
};

class IniDocument {
  public:
    IniDocument();
    explicit IniDocument(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    // Whether the file begins with a UTF-8 byte order mark: its text is UTF-8.
    bool isUtf8() const { return linesBegin_ > 0; }
    // Offset of the first line: past the byte order mark when the file begins with one.
    size_t linesBegin() const { return linesBegin_; }
    const std::vector<IniLine>& lines() const { return lines_; }
    // The sections in file order; the first is the one without header.
    const std::vector<IniSection>& sections() const { return sections_; }

    std::string_view name(const IniLine& line) const;
    std::string_view value(const IniLine& line) const;
    std::string_view name(const IniSection& section) const;
    [[nodiscard]] bool isComment(const IniLine& line) const;

    // Index of the first section from index from on whose name equals name (letter case aside).
    std::optional<size_t> findSection(std::string_view name, size_t from = 0) const;
    // Index of the line of the section's first entry of that name.
    std::optional<size_t> findEntry(size_t section, std::string_view name) const;

  private:
    IniLine parseLine(size_t begin, size_t end, size_t next) const;

    std::string bytes_;
    size_t linesBegin_ = 0;
    std::vector<IniLine> lines_;
    std::vector<IniSection> sections_;
};

}  // namespace tk73
