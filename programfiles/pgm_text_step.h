#pragma once
// Stepping through text of the installation's code page, where a double-byte character is
// never split.

#include <cstddef>

namespace tk73pgm {

// Bytes of the character at text (1 or 2), given the bytes that remain (at least 1).
size_t characterLength(const char* text, size_t remaining);

// Bytes of the longest run of whole characters at the start of text[0..count) that fits limit.
size_t wholeCharacters(const char* text, size_t count, size_t limit);

}  // namespace tk73pgm
