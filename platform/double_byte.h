#pragma once
// The one double-byte character rule of the suite. Texts are byte strings in the installation's
// code page; a double-byte character is a lead byte in 0x81-0x9F or 0xE0-0xFC followed by a
// trail byte in 0x40-0x7E or 0x80-0xFC. Any other byte, or a lead byte without a valid trail
// byte, is a single-byte character. Text operations, path operations and the program file
// handle step over texts with characterLength so that a trail byte (which may equal a backslash
// or a quote) is never taken for a character of its own.

#include <cstddef>
#include <string_view>

namespace tk73 {

[[nodiscard]] inline bool isDoubleByteLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

[[nodiscard]] inline bool isDoubleByteTrail(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// 2 when a double-byte character starts at text[at], else 1 (0 at or past the end).
inline size_t characterLength(std::string_view text, size_t at) {
    if (at >= text.size()) {
        return 0;
    }
    const bool pair = at + 1 < text.size() &&
                      isDoubleByteLead(static_cast<unsigned char>(text[at])) &&
                      isDoubleByteTrail(static_cast<unsigned char>(text[at + 1]));
    return pair ? 2 : 1;
}

// The same for a NUL-terminated text: 2 at a double-byte character, else 1. The terminating NUL
// is not a trail byte, so this never reads past it.
[[nodiscard]] inline int characterLength(const char* text) {
    return isDoubleByteLead(static_cast<unsigned char>(text[0])) &&
                   isDoubleByteTrail(static_cast<unsigned char>(text[1]))
               ? 2
               : 1;
}

}  // namespace tk73
