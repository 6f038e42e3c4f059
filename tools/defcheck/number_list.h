#pragma once
// Comma lists of numbers as the definitions write them ("4,5,6"), read strictly: the checker
// wants to hear about an item that is not a number, where the suite would read it as 0.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk73tools {

// The numbers of the list (empty items between commas are skipped); nothing when an item is
// not a plain decimal number.
std::optional<std::vector<int>> parseNumberList(std::string_view text);

// A plain decimal number (digits only, at most nine of them).
std::optional<int> parseNumber(std::string_view text);

// The text split at every comma, no trimming.
std::vector<std::string> splitCommas(std::string_view text);

}  // namespace tk73tools
