#pragma once
// The private-profile (INI) functions with the parameter lists and results of their Windows
// counterparts, so that their behaviour can be compared call for call.
//
// Files are byte strings in the installation's code page. Section and key names compare without
// regard to letter case (ASCII letters) and the first occurrence wins: a key is looked up in the
// first section of its name only. Blanks around names and values are ignored, one pair of
// matching quotes (" or ') around a value comes off, lines starting with ';' are comments and
// lines without "=" are not keys. A missing file reads as an empty one.
//
// Lines written by these functions end with CR LF; both CR LF and LF are read. A write keeps the
// rest of the file byte for byte: a new key goes after the last key of its section, a new
// section at the end of the file (without a blank line before it). Writes replace the file
// atomically, create a missing file, and fail (0) when its folder is missing. Names and values
// that could not be read back as written (line ends, "]" in a section name, "=" in a key name, a
// key name that is blank or starts with ';' or '[') are refused with 0.

#include "platform/api.h"
#include "platform/file_replacement.h"

// A null section gives the list of section names, a null key the list of keys of the section:
// NUL-separated names ending in two NULs. Results follow the Windows rules (size - 1 for a cut
// value, size - 2 for a cut list). A missing key, and a key list that would be empty, give the
// default (null: ""), its trailing blanks removed.
TK73_EXPORT uint32_t TK73_API tk73_GetPrivateProfileStringA(const char* section, const char* key,
                                                            const char* defaultValue,
                                                            char* returned, uint32_t size,
                                                            const char* file);
// The leading number of the value ("55zz" is 55, "-1" is 0xFFFFFFFF, "0x1F" is 31); the default
// when the key is missing or its value empty.
TK73_EXPORT unsigned int TK73_API tk73_GetPrivateProfileIntA(const char* section, const char* key,
                                                             int defaultValue, const char* file);
// A null key deletes the whole section, a null value deletes the key.
TK73_EXPORT int TK73_API tk73_WritePrivateProfileStringA(const char* section, const char* key,
                                                         const char* value, const char* file);
// The section's lines as a NUL-separated list ending in two NULs: "key=value" for keys (blanks
// around name and value removed, quotes kept) and any other line that is no comment or blank.
TK73_EXPORT uint32_t TK73_API tk73_GetPrivateProfileSectionA(const char* section, char* returned,
                                                             uint32_t size, const char* file);

namespace tk73 {

// tk73_WritePrivateProfileStringA with a choice of durability: a value that is set for the length
// of one call and put back right after needs no flush to the disk.
int writePrivateProfileString(const char* section, const char* key, const char* value,
                              const char* file, FileReplacement::Durability durability);

}  // namespace tk73
