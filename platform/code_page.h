#pragma once
// The installation's code page and the one place where text changes encoding.
//
// Every text the libraries handle is a byte string in the installation's code page, the machine
// setting "CodePage" (a string value under SOFTWARE\KELVO\TK73TOOL\SYSTEM in the machine hive),
// which holds an iconv name such as "WINDOWS-1252", "SHIFT_JIS" or "WINDOWS-1256". Only the user
// interface converts, between those bytes and Qt's Unicode, through the two functions below.

#include <string>
#include <string_view>

namespace tk73 {

// The code page of an installation that names none, or one that iconv does not know.
inline constexpr const char* kDefaultCodePage = "WINDOWS-1252";

// The installation's code page, read from the machine hive on every call.
std::string installationCodePage();

// Bytes of the code page as UTF-8. A byte sequence that is not a character of the code page
// becomes U+FFFD and the conversion goes on after it.
std::string toUtf8(std::string_view bytes, const std::string& codePage = installationCodePage());

// UTF-8 as bytes of the code page. A character the code page cannot hold, or a damaged UTF-8
// sequence, becomes "?" and the conversion goes on after it.
std::string fromUtf8(std::string_view utf8, const std::string& codePage = installationCodePage());

}  // namespace tk73
