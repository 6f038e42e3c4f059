#pragma once
// The edits the profile functions make. Each gives the bytes of the whole file after the change,
// or nullopt when there is nothing to change; every line the edit does not concern stays byte
// for byte as it was. Lines the edit writes end with CR LF.

#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_document.h"

namespace tk73 {

// Sets the value of the first key of that name in the first section of that name. A missing key
// is added after the section's last key (after its header when it has none); a missing section
// is added at the end of the file.
std::string iniWithValue(const IniDocument& document, std::string_view section,
                         std::string_view key, std::string_view value);

// Removes the first key of that name from the first section of that name.
std::optional<std::string> iniWithoutKey(const IniDocument& document, std::string_view section,
                                         std::string_view key);

// Removes the first section of that name: its header and every line up to the next header.
std::optional<std::string> iniWithoutSection(const IniDocument& document, std::string_view section);

}  // namespace tk73
