#pragma once
// The logo's text program file with new dots: the title, header and file lines of the file it
// replaces, then one record "NNNNN,"HEX"" per dot row, numbered as that file numbers them.

#include <optional>
#include <string>

namespace logoconv {

// Nothing when the pattern lacks its three heading lines.
std::optional<std::string> logoText(const std::string& pattern, const std::string& rows,
                                    int rowBytes);

}  // namespace logoconv
