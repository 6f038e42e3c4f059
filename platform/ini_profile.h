#pragma once
// The private-profile (INI) functions with the parameter lists and results of their Windows
// counterparts, answering as they do call for call (a differential test against the Windows
// functions proves it, platform/tests/differential/); platform/README.md lists the few answers
// that differ on purpose.
//
// Files are byte strings in the installation's code page; a file that begins with a UTF-8 byte
// order mark holds UTF-8 text, which the functions read and write in the code page. How a file
// reads is told in ini_document.h. Reads and writes of a value find the first section of the
// name and its first entry of the name, blanks around both names aside, ASCII letter case
// ignored. A missing file reads as an empty one; a file that cannot be opened (its folder is
// missing, it cannot be read) gives the default as it is and refuses every write with 0.
//
// A write keeps every other line of the file byte for byte; the lines it writes end with CR LF.
// Writes replace the file atomically and create a missing file. A value whose section, key or
// value the lines of the file could not hold (line ends, "]" in a section name, "=" in a key
// name, a key name starting with ';' or '[') is refused with 0 and the file stays as it was.

#include "platform/api.h"

// A null section gives the list of section names (the section without header left out), a null
// key the list of keys of the first section of that name, compared as given (comments and names
// without "=" left out): NUL-separated names ending in two NULs. A list that does not fit is cut
// and ends in two NULs with the result size - 2; a section list without names is one NUL; a key
// list that would be empty, or begin with an empty name, gives the default as a value gives it.
// A value, or the default of a missing key (null: "", trailing spaces removed), loses one pair
// of surrounding quotes; a value that does not fit is cut with the result size - 1.
TK73_EXPORT uint32_t TK73_API tk73_GetPrivateProfileStringA(const char* section, const char* key,
                                                            const char* defaultValue,
                                                            char* returned, uint32_t size,
                                                            const char* file);
// The leading number of what tk73_GetPrivateProfileStringA gives with room for 29 characters
// ("55zz" is 55, "-1" is 0xFFFFFFFF, "0x1F" is 31): a null name reads the first name of the list.
// The default when that is empty.
TK73_EXPORT unsigned int TK73_API tk73_GetPrivateProfileIntA(const char* section, const char* key,
                                                             int defaultValue, const char* file);
// A null key deletes the first section of the name, a null value the first entry of the name
// in the sections of the name; both names compared as given.
TK73_EXPORT TK73_NODISCARD int TK73_API tk73_WritePrivateProfileStringA(const char* section,
                                                                        const char* key,
                                                                        const char* value,
                                                                        const char* file);
// The entries of the first section of the name (compared as given) as a NUL-separated list
// ending in two NULs: "key=value" for keys (blanks around name and value removed, quotes kept),
// names without "=" alone, comments left out.
TK73_EXPORT uint32_t TK73_API tk73_GetPrivateProfileSectionA(const char* section, char* returned,
                                                             uint32_t size, const char* file);

#ifdef __cplusplus
#include "platform/file_replacement.h"

namespace tk73 {

// tk73_WritePrivateProfileStringA with a choice of durability: a value that is set for the length
// of one call and put back right after needs no flush to the disk.
[[nodiscard]] int writePrivateProfileString(const char* section, const char* key, const char* value,
                                            const char* file,
                                            FileReplacement::Durability durability);

}  // namespace tk73
#endif
