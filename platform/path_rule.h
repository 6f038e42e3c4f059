#pragma once
// The separator rule of joined paths: a path that already holds a forward slash keeps forward
// slashes, any other path uses backslashes. Configured folders on this system hold forward
// slashes, so every path built from them does too.

#include <string>
#include <string_view>

namespace tk73 {

// The separator that names appended to this path use.
char pathSeparatorOf(std::string_view path);

// Whether the byte is a separator of either kind.
inline bool isPathSeparator(char c) {
    return c == '/' || c == '\\';
}

// The text with every separator of either kind turned into the given one.
std::string withSeparator(std::string_view text, char separator);

}  // namespace tk73
