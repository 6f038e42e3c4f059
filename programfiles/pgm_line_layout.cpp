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
    const size_t words = (prefix_ + 7) / 8;
    const size_t tail = prefix_ % 8;
    lastMask_ = tail == 0 ? ~uint64_t{0} : (uint64_t{1} << (8 * tail)) - 1;
    quotes_.assign(words, 0);
    commas_.assign(words, 0);
    int quotes = 0;
    int commas = 0;
    const char* p = bytes + lineStart;
    for (size_t i = 0; i < words; ++i, p += 8) {
        uint64_t word = loadWord(p);
        if (i + 1 == words) {
            word = (word & lastMask_) | (~lastMask_ & (kEveryByte * 'A'));
        }
        if (hasControlByte(word)) {
            return false;
        }
        quotes_[i] = bytesEqual(word, '"');
        commas_[i] = bytesEqual(word, ',');
        quotes += std::popcount(quotes_[i]);
        commas += std::popcount(commas_[i]);
    }
    // Only the quotes around quoted fields and one comma after each field.
    if (quotes != structuralQuotes || commas != maxIndex + 1) {
        return false;
    }
    fields_ = std::move(fields);
    return true;
}

}  // namespace tk73pgm
