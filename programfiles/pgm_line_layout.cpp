#include "programfiles/pgm_line_layout.h"

#include <utility>

namespace tk73pgm {

bool LineLayout::learn(const char* bytes, size_t size, size_t lineStart, int maxIndex) {
    forget();
    if (lineStart >= size || maxIndex < 1) {
        return false;
    }
    std::vector<FieldSpan> fields;
    size_t pos = lineStart;
    bool last = false;
    int structuralQuotes = 0;
    for (int index = 0; index <= maxIndex; ++index) {
        FieldSpan span;
        if (last || !nextField(bytes, pos, span, last)) {
            return false;
        }
        structuralQuotes += span.quoted ? 2 : 0;
        fields.push_back({span.first - lineStart, span.end - lineStart, span.quoted});
    }
    // pos is past the comma after the last field, unless that field ended the line.
    if (last) {
        return false;
    }
    prefix_ = pos - lineStart;
    std::vector<BlockExpectation> blocks((prefix_ + 31) / 32);
    int quotes = 0;
    int commas = 0;
    for (size_t i = 0; i < prefix_; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[lineStart + i]);
        if (c < 0x20) {
            return false;
        }
        BlockExpectation& block = blocks[i / 32];
        block.quotes[i % 32] = c == '"' ? 0xFF : 0;
        block.commas[i % 32] = c == ',' ? 0xFF : 0;
        block.counted[i % 32] = 0xFF;
        quotes += c == '"' ? 1 : 0;
        commas += c == ',' ? 1 : 0;
    }
    // Only the quotes around quoted fields and one comma after each field.
    if (quotes != structuralQuotes || commas != maxIndex + 1) {
        return false;
    }
    blocks_ = std::move(blocks);
    fields_ = std::move(fields);
    return true;
}

}  // namespace tk73pgm
