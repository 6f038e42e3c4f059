#pragma once
// Finding record lines and fields inside the bytes of a text program file.
//
// A record line begins with its record number and ","; the fields follow, separated by ",". A
// field is either plain text up to the next "," or enclosed in double quotes, ending at a quote
// that is followed by "," or the end of the line.

#include <cstddef>
#include <vector>

namespace tk73pgm {

// The text of one field: [first, end) without its quotes.
struct FieldSpan {
    size_t first = 0;
    size_t end = 0;
    bool quoted = false;
};

// The offset of the end of the line that starts at lineStart: its CR LF (or LF), or size.
size_t lineEnd(const char* bytes, size_t size, size_t lineStart);

// Moves over the field that starts at pos (a line offset inside [.., lineEnd)). Fills span and
// sets pos to the start of the next field, or to lineEnd when there is none. 0 when pos is not
// the start of a field (past the line end) or a quoted field has no closing quote.
int nextField(const char* bytes, size_t lineEnd, size_t& pos, FieldSpan& span);

// Walks the fields of one record line from left to right.
class FieldCursor {
  public:
    FieldCursor(const char* bytes, size_t size, size_t lineStart);
    // The field with the 1-based index (field 1 is the first after the record number); 0 when
    // the line has no such field. Goes on from the field found last when index is not smaller.
    int seek(int index, FieldSpan& span);

  private:
    const char* bytes_;
    size_t lineStart_;
    size_t lineEnd_;
    size_t pos_;
    // The index of span_, 0 for the record number, -1 before the first token.
    int index_ = -1;
    FieldSpan span_;
};

// Collects the record lines of a loaded file: scanning line by line, a line that begins with the
// next expected record number in 6 or 5 digits followed by "," is that record; other lines are
// passed over. Scanning stops after limit records (limit < 0: no limit).
std::vector<size_t> collectRecordLines(const char* bytes, size_t size, long limit);

}  // namespace tk73pgm
