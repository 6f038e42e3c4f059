#include "programfiles/pgm_line_layout.h"

#include <bit>

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
    const size_t chunks = (prefix_ + 15) / 16;
    lastValid_ = prefix_ - 16 * (chunks - 1);
    quotes_.assign(chunks, 0);
    commas_.assign(chunks, 0);
    int quotes = 0;
    int commas = 0;
    const char* p = bytes + lineStart;
    for (size_t i = 0; i < chunks; ++i, p += 16) {
        const ChunkStructure chunk = chunkStructure(p, i + 1 == chunks ? lastValid_ : 16);
        if (chunk.control) {
            return false;
        }
        quotes_[i] = chunk.quotes;
        commas_[i] = chunk.commas;
        quotes += std::popcount(chunk.quotes);
        commas += std::popcount(chunk.commas);
    }
    // Only the quotes around quoted fields and one comma after each field.
    if (quotes != structuralQuotes || commas != maxIndex + 1) {
        return false;
    }
    fields_ = std::move(fields);
    return true;
}

}  // namespace tk73pgm
