#pragma once
// The edits the profile functions make. Each gives the bytes of the whole file after the change,
// or nullopt when there is nothing to change; every line the edit does not concern stays byte
// for byte as it was. Lines the edit writes end with CR LF. Names and values are given as the
// file holds them (UTF-8 for a UTF-8 file).

#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_document.h"

namespace tk73 {

// Sets the value of the first entry of that name in the first section of that name (blanks
// around both names do not count); the value loses its leading blanks, and a value equal to the
// one the file holds changes nothing. A missing key is added after the section's last line that
// is not blank; a missing section is added at the end of the file. New names are written
// without their leading blanks.
std::optional<std::string> iniWithValue(const IniDocument& document, std::string_view section,
                                        std::string_view key, std::string_view value);

// Removes the first entry of that name from the sections of that name, the first section that
// holds one. Both names are compared as given.
std::optional<std::string> iniWithoutKey(const IniDocument& document, std::string_view section,
                                         std::string_view key);

// Removes the first section of that name, compared as given: its header and every line up to
// the next header ("" removes the lines before the first header).
std::optional<std::string> iniWithoutSection(const IniDocument& document, std::string_view section);

}  // namespace tk73
