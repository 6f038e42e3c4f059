#include "programfiles/pgm_item_value.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "programfiles/pgm_text_step.h"

namespace tk73pgm {

namespace {

unsigned baseOf(const tagPGMITEMDEF& def) {
    return def.nDataType == PGM_DATA_HEX ? 16 : 10;
}

// The number with leading zeros to exactly width digits (upper-case letters); 0 when it has more
// digits than that.
int formatNumber(uint64_t value, unsigned base, size_t width, std::string& out) {
    static const char kDigits[] = "0123456789ABCDEF";
    out.assign(width, '0');
    size_t pos = width;
    do {
        if (pos == 0) {
            return 0;
        }
        out[--pos] = kDigits[value % base];
        value /= base;
    } while (value != 0);
    return 1;
}

char readCharacter(char c) {
    return c == '"' ? ' ' : c;
}

char foldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether the wanted text stands at item[0..): compared character by character, a double-byte
// character only with one that has the same two bytes.
bool sameCharacters(const char* item, size_t itemCount, std::string_view wanted, bool ignoreCase) {
    if (wanted.size() > itemCount) {
        return false;
    }
    size_t pos = 0;
    while (pos < wanted.size()) {
        const size_t step = characterStep(wanted.data() + pos, wanted.size() - pos);
        if (pos + step > itemCount || characterStep(item + pos, itemCount - pos) != step) {
            return false;
        }
        if (step == 1) {
            char have = readCharacter(item[pos]);
            char want = wanted[pos];
            if (ignoreCase) {
                have = foldCase(have);
                want = foldCase(want);
            }
            if (have != want) {
                return false;
            }
        } else if (std::memcmp(item + pos, wanted.data() + pos, step) != 0) {
            return false;
        }
        pos += step;
    }
    return true;
}

bool isHexDigit(char c) {
    return digitValue(c, 16) >= 0;
}

int bitOf(char digit, int bitNumber) {
    return (digitValue(digit, 16) >> (bitNumber - 1)) & 1;
}

// Whether the character would end a field or a line when written inside one after before.
bool breaksLayout(char c, char before, bool quotedField) {
    return c == '"' || c == '\r' || c == '\n' || (c == ',' && (!quotedField || before == '"'));
}

}  // namespace

int formatItemValue(const char* current, char before, const tagPGMITEMDEF& def,
                    const tagPGMITEMDATA& value, bool quotedField, std::string& out) {
    const size_t width = static_cast<size_t>(def.nWidth);
    switch (def.nDataType) {
        case PGM_DATA_BIT: {
            if (!isHexDigit(current[0])) {
                return 0;
            }
            const int mask = 1 << (def.nWidth - 1);
            int digit = digitValue(current[0], 16) & ~mask;
            if (value.value & 1) {
                digit |= mask;
            }
            out.assign(1, "0123456789ABCDEF"[digit]);
            return 1;
        }
        case PGM_DATA_DIGIT:
        case PGM_DATA_HEX:
            return formatNumber(value.value, baseOf(def), width, out);
        case PGM_DATA_CHAR: {
            const std::string_view text(value.text.c_str());
            out.assign(text.substr(0, wholeCharacters(text.data(), text.size(), width)));
            for (char& c : out) {
                if (breaksLayout(c, before, quotedField)) {
                    c = ' ';
                }
                before = c;
            }
            out.resize(width, ' ');
            return 1;
        }
        default:
            return 0;
    }
}

tagPGMITEMDATA wantedNumber(const tagPGMITEMDEF& def, uint64_t number) {
    tagPGMITEMDATA wanted;
    wanted.value = number;
    if (def.nDataType == PGM_DATA_CHAR &&
        !formatNumber(number, 10, static_cast<size_t>(def.nWidth), wanted.text)) {
        // Wider than the item: a text that the item's characters cannot hold never matches.
        wanted.text.assign(static_cast<size_t>(def.nWidth) + 1, '0');
    }
    return wanted;
}

int matchItemValue(const char* bytes, size_t first, const tagPGMITEMDEF& def,
                   const tagPGMITEMDATA& wanted, bool ignoreCase) {
    const char* item = bytes + first;
    const size_t width = static_cast<size_t>(def.nWidth);
    switch (def.nDataType) {
        case PGM_DATA_BIT:
            if (!isHexDigit(item[0])) {
                return -1;
            }
            return static_cast<uint64_t>(bitOf(item[0], def.nWidth)) == (wanted.value & 1) ? 1 : 0;
        case PGM_DATA_DIGIT: {
            uint64_t have = 0;
            return leadingNumber(item, width, 10, have) && have == wanted.value ? 1 : 0;
        }
        case PGM_DATA_HEX: {
            // Hexadecimal items are searched as text: the wanted number written to the item's
            // width, so that a lower-case digit in the file matches when letter case is ignored.
            std::string text;
            if (!formatNumber(wanted.value, 16, width, text)) {
                return -1;
            }
            return sameCharacters(item, width, text, ignoreCase) ? 1 : 0;
        }
        case PGM_DATA_CHAR: {
            const std::string_view text(wanted.text.c_str());
            for (size_t start = 0; start + text.size() <= width;
                 start += characterStep(item + start, width - start)) {
                if (sameCharacters(item + start, width - start, text, ignoreCase)) {
                    return 1;
                }
            }
            return 0;
        }
        default:
            return -1;
    }
}

}  // namespace tk73pgm
