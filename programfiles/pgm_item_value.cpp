#include "programfiles/pgm_item_value.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "programfiles/pgm_text_step.h"

namespace tk73pgm {

namespace {

template <unsigned Base>
int formatNumber(uint64_t value, size_t width, std::string& out) {
    out.assign(width, '0');
    return writeNumber<Base>(value, width, out.data());
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

size_t writeText(char* item, char before, const tagPGMITEMDEF& def, const tagPGMITEMDATA& value,
                 bool quotedField) {
    const size_t width = static_cast<size_t>(def.nWidth);
    const char* text = value.text.c_str();
    const size_t count = wholeCharacters(text, std::strlen(text), width);
    for (size_t i = 0; i < count; ++i) {
        const char c = breaksLayout(text[i], before, quotedField) ? ' ' : text[i];
        item[i] = c;
        before = c;
    }
    std::memset(item + count, ' ', width - count);
    return width;
}

tagPGMITEMDATA wantedNumber(const tagPGMITEMDEF& def, uint64_t number) {
    tagPGMITEMDATA wanted;
    wanted.value = number;
    if (def.nDataType == PGM_DATA_CHAR &&
        !formatNumber<10>(number, static_cast<size_t>(def.nWidth), wanted.text)) {
        // Wider than the item: a text that the item's characters cannot hold never matches.
        wanted.text.assign(static_cast<size_t>(def.nWidth) + 1, '0');
    }
    return wanted;
}

ItemMatcher::ItemMatcher(const tagPGMITEMDEF& def, const tagPGMITEMDATA& wanted, bool ignoreCase)
    : dataType_(def.nDataType),
      bitNumber_(def.nWidth),
      width_(static_cast<size_t>(def.nWidth)),
      ignoreCase_(ignoreCase),
      number_(wanted.value) {
    if (dataType_ == PGM_DATA_CHAR) {
        text_ = wanted.text.c_str();
    } else if (dataType_ == PGM_DATA_HEX) {
        tooWide_ = !formatNumber<16>(wanted.value, width_, text_);
    }
    for (size_t pos = 0; pos < text_.size(); pos += 8) {
        uint64_t word = 0;
        for (size_t i = 0; i < 8 && pos + i < text_.size(); ++i) {
            const char c = ignoreCase_ ? foldCase(text_[pos + i]) : text_[pos + i];
            singleBytes_ = singleBytes_ && static_cast<unsigned char>(c) < 0x80;
            word |= uint64_t{static_cast<unsigned char>(c)} << (8 * i);
        }
        words_.push_back(word);
    }
}

bool ItemMatcher::textAt(const char* item, size_t count) const {
    if (!singleBytes_) {
        return sameCharacters(item, count, text_, ignoreCase_);
    }
    // Byte by byte as sameCharacters compares single-byte characters: a quote of the item reads
    // as a blank, letters compare in one case when it is ignored, and a byte from 0x80 on (which
    // the wanted text has none of) matches nothing. The item lies in a FileBuffer, so whole
    // words may be read.
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const size_t size = text_.size();
    for (size_t w = 0; w < words_.size(); ++w) {
        uint64_t word = loadWord(item + 8 * w);
        word ^= (bytesEqual(word, '"') >> 7) * ('"' ^ ' ');
        if (ignoreCase_) {
            const uint64_t low7 = word & kLow7;
            const uint64_t fromA = low7 + kEveryByte * (0x80 - 'a');
            const uint64_t afterZ = low7 + kEveryByte * (0x80 - 'z' - 1);
            word -= (fromA & ~afterZ & ~word & kHighBits) >> 2;
        }
        const size_t valid = size - 8 * w;
        const uint64_t mask = valid >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * valid)) - 1;
        if (((word ^ words_[w]) & mask) != 0) {
            return false;
        }
    }
    return true;
}

int ItemMatcher::match(const char* bytes, size_t first) const {
    const char* item = bytes + first;
    switch (dataType_) {
        case PGM_DATA_BIT:
            if (!isHexDigit(item[0])) {
                return -1;
            }
            return static_cast<uint64_t>(bitOf(item[0], bitNumber_)) == (number_ & 1) ? 1 : 0;
        case PGM_DATA_DIGIT: {
            uint64_t have = 0;
            return leadingNumber<10>(item, width_, have) && have == number_ ? 1 : 0;
        }
        case PGM_DATA_HEX:
            if (tooWide_) {
                return -1;
            }
            return textAt(item, width_) ? 1 : 0;
        case PGM_DATA_CHAR:
            for (size_t start = 0; start + text_.size() <= width_;
                 start += characterStep(item + start, width_ - start)) {
                if (textAt(item + start, width_ - start)) {
                    return 1;
                }
            }
            return 0;
        default:
            return -1;
    }
}

}  // namespace tk73pgm
