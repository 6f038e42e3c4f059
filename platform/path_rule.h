#pragma once
// The separator rule of joined paths: a path that already holds a forward slash keeps forward
// slashes, any other path uses backslashes. Configured folders on this system hold forward
// slashes, so every path built from them does too.
//
// Paths are byte strings in the installation's code page. Every function here steps over
// double-byte characters (platform/double_byte.h), so a trail byte 0x5C is never taken for a
// backslash.

#include <string>
#include <string_view>

namespace tk73 {

// The separator that names appended to this path use.
char pathSeparatorOf(std::string_view path);

// Whether the byte is a separator of either kind.
[[nodiscard]] inline bool isPathSeparator(char c) {
    return c == '/' || c == '\\';
}

// The text with every separator of either kind turned into the given one.
std::string withSeparator(std::string_view text, char separator);

// Whether the last character of the path is a separator of either kind.
[[nodiscard]] bool endsWithSeparator(std::string_view path);

// The position of the last separator of either kind, or npos.
size_t lastSeparatorAt(std::string_view path);

// The name appended to the path with exactly one separator: one leading separator of the name is
// dropped, the name takes the path's separator, and a separator is put between them unless the
// path already ends with one. An empty name leaves the path as it is.
std::string joinPath(std::string_view path, std::string_view name);

}  // namespace tk73
