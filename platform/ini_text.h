#pragma once
// The small text rules of profile files: which bytes are blanks, how names compare and how one
// pair of surrounding quotes comes off a value.

#include <string_view>

namespace tk73 {

// Blanks around names and values do not count: space, tab and the other C white-space bytes
// except the line feed, which never reaches a line's text.
inline bool isIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimIniBlanks(std::string_view text);

// Names compare without regard to the letter case of ASCII letters. Bytes above 0x7F compare
// exactly, so a double-byte character never matches a different one.
bool iniNamesEqual(std::string_view a, std::string_view b);

// A value that starts and ends with the same quote character (" or ') loses that one pair.
std::string_view withoutIniQuotes(std::string_view value);

}  // namespace tk73
