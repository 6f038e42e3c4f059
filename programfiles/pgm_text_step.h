#pragma once
// Stepping through text of the installation's code page, where a double-byte character is
// never split (the suite's rule: platform/double_byte.h).

#include <cstddef>

namespace tk73pgm {

// Bytes of the character at text (1 or 2), given the bytes that remain (at least 1).
size_t characterLength(const char* text, size_t remaining);

// characterLength, answered at once for the bytes below 0x80, which never begin a double-byte
// character.
inline size_t characterStep(const char* text, size_t remaining) {
    return static_cast<unsigned char>(*text) < 0x80 ? 1 : characterLength(text, remaining);
}

// Bytes of the longest run of whole characters at the start of text[0..count) that fits limit.
size_t wholeCharacters(const char* text, size_t count, size_t limit);

}  // namespace tk73pgm
