#pragma once
// The small text rules of profile files: which bytes are blanks, and how names compare.

#include <string_view>

namespace tk73 {

// Blanks around lines, names and values do not count: space, tab, the other C white-space bytes
// and ^Z, which old editors left at the end of a file.
[[nodiscard]] inline bool isIniBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

std::string_view trimIniBlanks(std::string_view text);
std::string_view trimIniBlanksFront(std::string_view text);

// Names compare without regard to the letter case of ASCII letters. Bytes above 0x7F compare
// exactly, so a double-byte character never matches a different one.
[[nodiscard]] bool iniNamesEqual(std::string_view a, std::string_view b);

}  // namespace tk73
