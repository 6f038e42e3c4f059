#pragma once
// The text format of a hive file, the format of a registry export:
//
//   Windows Registry Editor Version 5.00
//   <empty line>
//   [HKEY_CURRENT_USER\SOFTWARE\KELVO\TK73TOOL\SYSTEM]
//   "CURRENTSTORE"="001"
//   "MAINHWND"=dword:00001f2a
//   @="default value"
//
// String values are quoted with backslash and quote escaped by a backslash; 32-bit values are
// "dword:" and eight hexadecimal digits. Lines end with LF when written; CR LF is read as well,
// as are blanks around lines, empty lines, comment lines starting with ";" and a UTF-8 byte order
// mark. Texts are kept as the bytes the programs gave (the installation's code page).

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry_document.h"

namespace tk73 {

// The hive's keys, or nothing when the text is not a complete export of this hive: the header
// missing, a key of another root, a value line outside a key, an unterminated or wrongly escaped
// text, a 32-bit value that is not eight hexadecimal digits, or any other kind of line. A file
// cut off in the middle of a line is caught by these rules.
std::optional<RegistryDocument> parseRegistryExport(std::string_view text,
                                                    std::string_view rootName);

std::string formatRegistryExport(const RegistryDocument& document, std::string_view rootName);

// Whether a key path can be stored: not empty, no empty parts, no line breaks.
[[nodiscard]] bool isStorableRegistryKey(std::string_view key);
// Whether a value name or text can be stored: no line breaks.
[[nodiscard]] bool isStorableRegistryText(std::string_view text);

}  // namespace tk73
