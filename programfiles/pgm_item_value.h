#pragma once
// Reading, writing and matching one item's characters inside one field of a record line.
//
// The field's text is taken without its quotes; a quote inside it counts as a blank. Numbers are
// written with leading zeros to the item's full width and text is padded with blanks, so a write
// never changes the length of a line.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "programfiles/pgm_item_def.h"
#include "programfiles/pgm_record_lines.h"
#include "programfiles/pgm_text_step.h"

namespace tk73pgm {

// The item's characters inside the field: first offset and count (one character for a bit
// item). 0 when the field holds fewer characters than the item needs.
[[nodiscard]] inline int itemCharacters(const FieldSpan& field, const tagPGMITEMDEF& def,
                                        size_t& first, size_t& count) {
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
[[nodiscard]] inline int digitValue(char c, unsigned base) {
    const unsigned value = kDigitTable.value[static_cast<unsigned char>(c)];
    return value < base ? static_cast<int>(value) : -1;
}

// The value of the eight decimal digits of word (its lowest byte the first, most significant
// digit), or -1 when they are not all digits.
inline int64_t eightDigitsOf(uint64_t word) {
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

// The eight decimal digits of a number below 100,000,000 as characters, the first (most
// significant) in the lowest byte: halves of four digits, then pairs, then single digits, side by
// side in one word.
inline uint64_t eightDigitCharacters(uint64_t value) {
    const uint64_t high = value / 10000;
    uint64_t word = high | ((value - high * 10000) << 32);
    // Each half below 10,000 into its hundreds and the rest (x * 5243 >> 19 is x / 100 there).
    const uint64_t hundreds = ((word * 5243) >> 19) & 0x0000007F0000007FULL;
    word = hundreds | ((word - hundreds * 100) << 16);
    // Each pair below 100 into its tens and ones (x * 103 >> 10 is x / 10 there).
    const uint64_t tens = ((word * 103) >> 10) & 0x000F000F000F000FULL;
    word = tens | ((word - tens * 10) << 8);
    return word + kEveryByte * '0';
}

// The value of eight decimal digits at p, or -1 when they are not all digits.
inline int64_t eightDigits(const char* p) {
    return eightDigitsOf(loadWord(p));
}

// The value of the first count (1 to 8) characters at p, or -1 when they are not all decimal
// digits. Reads eight bytes: p lies in a FileBuffer.
inline int64_t fewDigits(const char* p, size_t count) {
    const unsigned shift = static_cast<unsigned>(8 * (8 - count));
    // The count characters moved to the end of the word, behind leading zeros.
    const uint64_t zeros = (kEveryByte * '0') & ~(~uint64_t{0} << shift);
    return eightDigitsOf((loadWord(p) << shift) | zeros);
}

// leadingNumber for any count: decimal digits are taken eight at a time while they last, and
// the rest of a number of at most 19 digits (which always fits) at once.
template <unsigned Base>
[[nodiscard]] int leadingNumberOfAnyWidth(const char* chars, size_t count, uint64_t& value) {
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
        // Fewer than eight characters left means every chunk before was all digits.
        constexpr size_t kDigitsThatFit = 19;
        const size_t rest = count - i;
        if (count <= kDigitsThatFit && rest > 0 && rest < 8) {
            static constexpr uint64_t kScale[8] = {1,     10,     100,     1000,
                                                   10000, 100000, 1000000, 10000000};
            const int64_t few = fewDigits(chars + i, rest);
            if (few >= 0) {
                value = sum * kScale[rest] + static_cast<uint64_t>(few);
                return 1;
            }
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

// The leading digits of the characters as a number; 0 when it does not fit 64 bits. The base is
// a constant, so that the multiplication is a shift or two additions. A decimal item of up to
// eight digits, all of them digits, is read in one step. The characters lie in a FileBuffer.
template <unsigned Base>
[[nodiscard]] inline int leadingNumber(const char* chars, size_t count, uint64_t& value) {
    if constexpr (Base == 10) {
        if (count - 1 < 8) {
            const int64_t digits = fewDigits(chars, count);
            if (digits >= 0) {
                value = static_cast<uint64_t>(digits);
                return 1;
            }
        }
    }
    return leadingNumberOfAnyWidth<Base>(chars, count, value);
}

// Copies the item's count characters at item into text, quotes turned into blanks (when
// mayHoldQuotes: a line that matched a learned layout has no quote inside its fields). The
// characters lie in a FileBuffer, whose padding lets the quotes be looked for eight at a time.
inline void readItemText(const char* item, size_t count, std::string& text, bool mayHoldQuotes) {
    // Values read again into the same arrays have the same size: no reallocation to ask for.
    if (text.size() == count) {
        copyBytes(text.data(), item, count);
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

// Calls use with the data type as a constant (a std::integral_constant), so that the code for
// each data type is made for it alone; for an unknown data type the answer is 0.
template <typename Use>
inline auto forDataType(int dataType, Use&& use) {
    switch (dataType) {
        case PGM_DATA_CHAR:
            return use(std::integral_constant<int, PGM_DATA_CHAR>{});
        case PGM_DATA_DIGIT:
            return use(std::integral_constant<int, PGM_DATA_DIGIT>{});
        case PGM_DATA_BIT:
            return use(std::integral_constant<int, PGM_DATA_BIT>{});
        case PGM_DATA_HEX:
            return use(std::integral_constant<int, PGM_DATA_HEX>{});
        default:
            return decltype(use(std::integral_constant<int, PGM_DATA_CHAR>{})){};
    }
}

// Reads the value of an item of the data type from its characters at item (mayHoldQuotes as for
// readItemText). 0 when they do not hold a value of the type (a bit item on a character that is
// not a hexadecimal digit). A number beyond 64 bits is one record's unreadable value, not a
// broken file: it reads as 0 with length 0.
template <int DataType>
[[nodiscard]] inline int readItemValueOf(const char* item, const tagPGMITEMDEF& def,
                                         tagPGMITEMDATA& out, bool mayHoldQuotes) {
    const size_t width = static_cast<size_t>(def.nWidth);
    if constexpr (DataType == PGM_DATA_CHAR) {
        size_t count = width;
        if (out.length > 0 && static_cast<size_t>(out.length) - 1 < width) {
            count = wholeCharacters(item, width, static_cast<size_t>(out.length) - 1);
        }
        readItemText(item, count, out.text, mayHoldQuotes);
        return 1;
    } else {
        if constexpr (DataType == PGM_DATA_BIT) {
            const int digit = digitValue(item[0], 16);
            if (digit < 0) {
                return 0;
            }
            out.value = static_cast<uint64_t>((digit >> (def.nWidth - 1)) & 1);
        } else if (!leadingNumber<(DataType == PGM_DATA_HEX ? 16u : 10u)>(item, width, out.value)) {
            out.value = 0;
            out.length = 0;
            return 1;
        }
        out.length = (out.value >> 32) != 0 ? 8 : 4;
        return 1;
    }
}

// Reads the item's value from its characters at first, as readItemValueOf for its data type; 0
// for an unknown data type.
[[nodiscard]] inline int readItemValue(const char* bytes, size_t first, const tagPGMITEMDEF& def,
                                       tagPGMITEMDATA& out, bool mayHoldQuotes) {
    return forDataType(def.nDataType, [&](auto type) {
        return readItemValueOf<decltype(type)::value>(bytes + first, def, out, mayHoldQuotes);
    });
}

// Whether the number has at most width digits in the base.
template <unsigned Base>
[[nodiscard]] inline bool numberFits(uint64_t value, size_t width) {
    if constexpr (Base == 16) {
        return width >= 16 || (value >> (4 * width)) == 0;
    } else {
        static constexpr auto kPowers = [] {
            std::array<uint64_t, 20> powers{};
            uint64_t power = 1;
            for (uint64_t& p : powers) {
                p = power;
                power *= 10;
            }
            return powers;
        }();
        return width >= kPowers.size() || value < kPowers[width];
    }
}

// Writes the number with leading zeros to exactly width digits (upper-case letters) at out; 0,
// and nothing written, when it has more digits than that. The base is a constant, so that no
// digit costs a division; eight decimal digits are written at once.
template <unsigned Base>
inline int writeNumber(uint64_t value, size_t width, char* out) {
    if (width == 0 || !numberFits<Base>(value, width)) {
        return 0;
    }
    if constexpr (Base == 10) {
        if (width == 8) {
            storeWord(out, eightDigitCharacters(value));
            return 1;
        }
    }
    size_t pos = width;
    do {
        out[--pos] = "0123456789ABCDEF"[value % Base];
        value /= Base;
    } while (value != 0);
    std::memset(out, '0', pos);
    return 1;
}

// writeItemValueOf for a character item.
size_t writeText(char* item, char before, const tagPGMITEMDEF& def, const tagPGMITEMDATA& value,
                 bool quotedField);

// Writes value over the characters at item of an item of the data type (before: the character in
// front of them in the field, or NUL at the field's start); the count of characters written, or 0
// (nothing written) when the value does not fit the item: a number with more digits than its
// width, or a bit item on a character that is not a hexadecimal digit. Numbers get leading zeros
// to the item's width, texts trailing blanks. Characters that would change the line's layout are
// written as blanks: quotes and line breaks, a comma in a field without quotes, and a comma right
// after a quote (which would end a quoted field).
template <int DataType>
inline size_t writeItemValueOf(char* item, char before, const tagPGMITEMDEF& def,
                               const tagPGMITEMDATA& value, bool quotedField) {
    const size_t width = static_cast<size_t>(def.nWidth);
    if constexpr (DataType == PGM_DATA_CHAR) {
        return writeText(item, before, def, value, quotedField);
    } else if constexpr (DataType == PGM_DATA_BIT) {
        int digit = digitValue(item[0], 16);
        if (digit < 0) {
            return 0;
        }
        const int mask = 1 << (def.nWidth - 1);
        digit = (value.value & 1) ? (digit | mask) : (digit & ~mask);
        item[0] = "0123456789ABCDEF"[digit];
        return 1;
    } else {
        return writeNumber<(DataType == PGM_DATA_HEX ? 16u : 10u)>(value.value, width, item) ? width
                                                                                             : 0;
    }
}

// writeItemValueOf for the item's data type; 0 for an unknown data type.
inline size_t writeItemValue(char* item, char before, const tagPGMITEMDEF& def,
                             const tagPGMITEMDATA& value, bool quotedField) {
    return forDataType(def.nDataType, [&](auto type) {
        return writeItemValueOf<decltype(type)::value>(item, before, def, value, quotedField);
    });
}

// The value that a search for a number in the item looks for: the number, and for a character
// item its decimal digits with leading zeros to the item's width.
tagPGMITEMDATA wantedNumber(const tagPGMITEMDEF& def, uint64_t number);

// A search's wanted value, prepared once for the characters of every record it is compared with.
class ItemMatcher {
  public:
    ItemMatcher(const tagPGMITEMDEF& def, const tagPGMITEMDATA& wanted, bool ignoreCase);

    // Whether the item's characters at first match the wanted value: 1 match, 0 no match (also
    // for a number beyond 64 bits, which equals no wanted number), -1 when the characters or the
    // wanted value cannot be compared (a bit item on a character that is not a hexadecimal
    // digit, a wanted number wider than the item).
    [[nodiscard]] int match(const char* bytes, size_t first) const;

  private:
    // Whether the wanted text stands at item (which has count characters from there on).
    [[nodiscard]] bool textAt(const char* item, size_t count) const;

    int32_t dataType_;
    int32_t bitNumber_;
    size_t width_;
    bool ignoreCase_;
    uint64_t number_;
    // A character item's wanted text up to its first NUL; for a hexadecimal item the wanted
    // number written to the item's width (hexadecimal items are searched as text, so that a
    // lower-case digit in the file matches when letter case is ignored).
    std::string text_;
    // A hexadecimal number wider than the item.
    bool tooWide_ = false;
    // Every byte of text_ is below 0x80: then the text is compared eight bytes at a time, from
    // words with letter case folded when it is ignored.
    bool singleBytes_ = true;
    std::vector<uint64_t> words_;
};

}  // namespace tk73pgm
