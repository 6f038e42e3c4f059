#pragma once
// Reading, writing and matching one item's characters inside one field of a record line.
//
// The field's text is taken without its quotes; a quote inside it counts as a blank. Numbers are
// written with leading zeros to the item's full width and text is padded with blanks, so a write
// never changes the length of a line.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "programfiles/pgm_item_def.h"
#include "programfiles/pgm_record_lines.h"
#include "programfiles/pgm_text_step.h"

namespace tk73pgm {

// The item's characters inside the field: first offset and count (one character for a bit
// item). 0 when the field holds fewer characters than the item needs.
inline int itemCharacters(const FieldSpan& field, const tagPGMITEMDEF& def, size_t& first,
                          size_t& count) {
    if (def.nPosition < 1 || def.nWidth < 1) {
        return 0;
    }
    count = def.nDataType == PGM_DATA_BIT ? 1 : static_cast<size_t>(def.nWidth);
    first = field.first + static_cast<size_t>(def.nPosition) - 1;
    return first + count <= field.end ? 1 : 0;
}

// The values of the characters 0 to 9 and A to F; 16 for every other byte.
inline constexpr struct DigitTable {
    unsigned char value[256];
    constexpr DigitTable() : value() {
        for (int c = 0; c < 256; ++c) {
            value[c] = 16;
        }
        for (int d = 0; d < 10; ++d) {
            value['0' + d] = static_cast<unsigned char>(d);
        }
        for (int d = 0; d < 6; ++d) {
            value['A' + d] = static_cast<unsigned char>(10 + d);
        }
    }
} kDigitTable;

// The value of a digit in the base (10, or 16 with upper-case letters), or -1. A table, as
// hexadecimal digits mix numbers and letters too unpredictably for branches.
inline int digitValue(char c, unsigned base) {
    const unsigned value = kDigitTable.value[static_cast<unsigned char>(c)];
    return value < base ? static_cast<int>(value) : -1;
}

// The value of eight decimal digits at p, or -1 when they are not all digits.
inline int64_t eightDigits(const char* p) {
    uint64_t word = loadWord(p);
    constexpr uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL;
    // Every byte is 0x30 to 0x39: its high nibble is 3, and adding 6 keeps it 3.
    if ((word & kHighNibbles) != kEveryByte * 0x30 ||
        ((word + kEveryByte * 0x06) & kHighNibbles) != kEveryByte * 0x30) {
        return -1;
    }
    // Pairs, then fours, then all eight digits, with the first digit the most significant.
    word -= kEveryByte * '0';
    word = (word * 10) + (word >> 8);
    constexpr uint64_t kPairs = 0x000000FF000000FFULL;
    word = (((word & kPairs) * (100 + (1000000ULL << 32))) +
            (((word >> 16) & kPairs) * (1 + (10000ULL << 32)))) >>
           32;
    return static_cast<int64_t>(word);
}

// The leading digits of the characters as a number; 0 when it does not fit 64 bits. The base is
// a constant, so that the multiplication is a shift or two additions; decimal digits are taken
// eight at a time while they last.
template <unsigned Base>
inline int leadingNumber(const char* chars, size_t count, uint64_t& value) {
    // Below this, one more digit cannot overflow.
    constexpr uint64_t kSafe = UINT64_MAX / Base - Base;
    // Summed in a local: value may be memory that the characters could alias.
    uint64_t sum = 0;
    size_t i = 0;
    if constexpr (Base == 10) {
        constexpr uint64_t kSafeForEight = (UINT64_MAX - 99999999) / 100000000;
        for (; i + 8 <= count && sum <= kSafeForEight; i += 8) {
            const int64_t eight = eightDigits(chars + i);
            if (eight < 0) {
                break;
            }
            sum = sum * 100000000 + static_cast<uint64_t>(eight);
        }
    }
    for (; i < count; ++i) {
        const int digit = digitValue(chars[i], Base);
        if (digit < 0) {
            break;
        }
        if (sum > kSafe && sum > (UINT64_MAX - static_cast<unsigned>(digit)) / Base) {
            return 0;
        }
        sum = sum * Base + static_cast<unsigned>(digit);
    }
    value = sum;
    return 1;
}

inline int leadingNumber(const char* chars, size_t count, unsigned base, uint64_t& value) {
    return base == 16 ? leadingNumber<16>(chars, count, value)
                      : leadingNumber<10>(chars, count, value);
}

// Copies the item's count characters at item into text, quotes turned into blanks (when
// mayHoldQuotes: a line that matched a learned layout has no quote inside its fields). The
// characters lie in a FileBuffer, whose padding lets the quotes be looked for eight at a time.
inline void readItemText(const char* item, size_t count, std::string& text, bool mayHoldQuotes) {
    // Values read again into the same arrays have the same size: no reallocation to ask for.
    if (text.size() == count) {
        std::memcpy(text.data(), item, count);
    } else {
        text.assign(item, count);
    }
    for (size_t pos = 0; mayHoldQuotes && pos < count; pos += 8) {
        uint64_t quotes = bytesEqual(loadWord(item + pos), '"');
        if (count - pos < 8) {
            quotes &= (uint64_t{1} << (8 * (count - pos))) - 1;
        }
        for (; quotes != 0; quotes &= quotes - 1) {
            text[pos + static_cast<size_t>(std::countr_zero(quotes)) / 8] = ' ';
        }
    }
}

// Reads the item's value from its characters at first (mayHoldQuotes as for readItemText). 0
// when they do not hold a value of the item's type (a bit item on a character that is not a
// hexadecimal digit). A number beyond 64 bits is one record's unreadable value, not a broken
// file: it reads as 0 with length 0.
inline int readItemValue(const char* bytes, size_t first, const tagPGMITEMDEF& def,
                         tagPGMITEMDATA& out, bool mayHoldQuotes) {
    const char* item = bytes + first;
    const size_t width = static_cast<size_t>(def.nWidth);
    switch (def.nDataType) {
        case PGM_DATA_CHAR: {
            size_t count = width;
            if (out.length > 0 && static_cast<size_t>(out.length) - 1 < width) {
                count = wholeCharacters(item, width, static_cast<size_t>(out.length) - 1);
            }
            readItemText(item, count, out.text, mayHoldQuotes);
            return 1;
        }
        case PGM_DATA_BIT: {
            const int digit = digitValue(item[0], 16);
            if (digit < 0) {
                return 0;
            }
            out.value = static_cast<uint64_t>((digit >> (def.nWidth - 1)) & 1);
            break;
        }
        case PGM_DATA_DIGIT:
        case PGM_DATA_HEX:
            if (!leadingNumber(item, width, def.nDataType == PGM_DATA_HEX ? 16u : 10u, out.value)) {
                out.value = 0;
                out.length = 0;
                return 1;
            }
            break;
        default:
            return 0;
    }
    out.length = (out.value >> 32) != 0 ? 8 : 4;
    return 1;
}

// The characters that a write of value puts in place of the item's current characters
// (current: the item's characters in the file; before: the character in front of them in the
// field, or NUL at the field's start). 0 when the value does not fit the item: a number with
// more digits than its width, or a bit item on a character that is not a hexadecimal digit.
// Characters that would change the line's layout are written as blanks: quotes and line breaks,
// a comma in a field without quotes, and a comma right after a quote (which would end a quoted
// field).
int formatItemValue(const char* current, char before, const tagPGMITEMDEF& def,
                    const tagPGMITEMDATA& value, bool quotedField, std::string& out);

// The value that a search for a number in the item looks for: the number, and for a character
// item its decimal digits with leading zeros to the item's width.
tagPGMITEMDATA wantedNumber(const tagPGMITEMDEF& def, uint64_t number);

// Whether the item's characters at first match the wanted value: 1 match, 0 no match (also for
// a number beyond 64 bits, which equals no wanted number), -1 when the characters or the wanted
// value cannot be compared (a bit item on a character that is not a hexadecimal digit, a wanted
// number wider than the item).
int matchItemValue(const char* bytes, size_t first, const tagPGMITEMDEF& def,
                   const tagPGMITEMDATA& wanted, bool ignoreCase);

}  // namespace tk73pgm
