#pragma once
// The private-profile (INI) functions with the parameter lists and results of their Windows
// counterparts, so that their behaviour can be compared call for call.
//
// Files are byte strings in the installation's code page. Section and key names compare without
// regard to letter case and the first occurrence wins. Lines written by these functions end with
// CR LF; both CR LF and LF are read. A write keeps the rest of the file byte for byte.

#include "platform/api.h"

// A null section gives the list of section names, a null key the list of keys of the section:
// NUL-separated names ending in two NULs. Results follow the Windows rules (size - 1 for a cut
// value, size - 2 for a cut list).
TK73_EXPORT uint32_t TK73_API tk73_GetPrivateProfileStringA(const char* section, const char* key,
                                                            const char* defaultValue,
                                                            char* returned, uint32_t size,
                                                            const char* file);
TK73_EXPORT unsigned int TK73_API tk73_GetPrivateProfileIntA(const char* section, const char* key,
                                                             int defaultValue, const char* file);
// A null key deletes the whole section, a null value deletes the key.
TK73_EXPORT int TK73_API tk73_WritePrivateProfileStringA(const char* section, const char* key,
                                                         const char* value, const char* file);
// The section's lines "key=value" as a NUL-separated list ending in two NULs.
TK73_EXPORT uint32_t TK73_API tk73_GetPrivateProfileSectionA(const char* section, char* returned,
                                                             uint32_t size, const char* file);
