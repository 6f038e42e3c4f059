#pragma once
// Unique temporary files. The out path holds at least TK73_MAX_PATH bytes.

#include "platform/api.h"

TK73_EXPORT int TK73_API AecrbsMakeTempFileEx(char* out, const char* prefix, const char* extension,
                                              int useSystemFolder);
TK73_EXPORT int TK73_API AecrbsMakeTempFile(char* out, const char* prefix, const char* extension);
