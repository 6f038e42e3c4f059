#pragma once
// The text forms of record fields in the store tables.

#include <string>
#include <string_view>

namespace tk73store {

// The text cut to at most bytes bytes; a double-byte character that would be split is left out
// whole.
std::string boundedText(std::string_view text, size_t bytes);
// Store, branch, machine and model numbers are written "%03d".
std::string numberText(int number);
// Other numbers (the IP scan start) are written "%d".
std::string plainNumberText(int number);
// A number field read back: its leading decimal digits, 0 when there are none.
[[nodiscard]] int numberOf(std::string_view text);
// A one-character flag: its first character, or the fallback when the field is empty.
char flagOf(std::string_view text, char fallback = '0');
std::string flagText(char flag);

}  // namespace tk73store
