#pragma once
// Reading and writing definition values through the platform's private-profile functions, with
// the length limits the definition classes promise their callers.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_replacement.h"

namespace tk73def {

// The value of a key, at most maxChars characters; empty when the file, section or key is
// missing.
std::string readProfileString(const std::string& file, const char* section, const char* key,
                              uint32_t maxChars);

// The key names of a section as read into a buffer of bufferBytes bytes, in file order, empty
// names dropped. A list cut by the buffer loses its last, partly read name, so that a cut "012"
// never shows up as key "0"; a list that fits the buffer exactly keeps its last name. full tells
// whether the list was cut.
std::vector<std::string> readProfileKeys(const std::string& file, const char* section,
                                         uint32_t bufferBytes, bool* full = nullptr);

// Writes key=value (a null value deletes the key, a null key the section). A line break in a
// name or value would end the line early and plant foreign keys in the file, so such a write is
// refused. 1 on success.
[[nodiscard]] int writeProfileString(
    const std::string& file, const char* section, const char* key, const char* value,
    tk73::FileReplacement::Durability durability = tk73::FileReplacement::Durability::Flushed);

// "\"text\"": the form titles are written in, so that leading and trailing blanks survive.
std::string quotedValue(const std::string& text);

}  // namespace tk73def
