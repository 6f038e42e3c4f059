#pragma once
// The field layout of a record line, reused for the lines after it.
//
// In a program file every record line normally has the same fields at the same places. Walking
// field by field is exact but slow over a whole file, so an access learns the places of the
// fields it needs from one line and checks each further line against them 32 bytes at a
// time: a line whose quotes and commas stand exactly where the learned line has them (and no
// others, and no line break or other control byte, in front of the fields) splits into the same
// fields. Any other line is walked field by field.

#include <cstddef>
#include <vector>

#include "programfiles/pgm_line_structure.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

class LineLayout {
  public:
    // Learns fields 1 to maxIndex from the line at lineStart of the bytes. false (nothing
    // learned) when the line cannot serve: a field is missing, the last field that is needed
    // ends the line, or a quote, comma or control byte stands inside the fields' text.
    [[nodiscard]] bool learn(const char* bytes, size_t size, size_t lineStart, int maxIndex);
    void forget() { fields_.clear(); }

    // Whether the line at lineStart splits into the learned fields.
    [[nodiscard]] bool matches(const char* bytes, size_t size, size_t lineStart) const {
        return !fields_.empty() && lineStart + prefix_ <= size &&
               blocksMatch(bytes + lineStart, blocks_.data(), blocks_.size(), wide_);
    }

    // Field index (1 to the learned maximum) of the line at lineStart.
    FieldSpan field(int index, size_t lineStart) const {
        const FieldSpan& learned = fields_[static_cast<size_t>(index)];
        return {lineStart + learned.first, lineStart + learned.end, learned.quoted};
    }

  private:
    // Fields 0 (the record number) to the maximum, relative to the line's start.
    std::vector<FieldSpan> fields_;
    // Bytes from the line's start up to and including the comma after the last field.
    size_t prefix_ = 0;
    // Per 32 bytes of the prefix: the places of quotes and commas.
    std::vector<BlockExpectation> blocks_;
    // Whether the blocks are checked with AVX2.
    bool wide_ = hasAvx2();
};

}  // namespace tk73pgm
