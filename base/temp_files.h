#pragma once
// Unique temporary files. The out path holds at least TK73_MAX_PATH bytes.
//
// The new, empty file is named folder, prefix (default "Aecr"), the local month, day, hour,
// minute and second ("%02d" each), a counter ("%04d", the first free of 0 to 9998) and the
// extension. The folder is the system's temporary folder when useSystemFolder is nonzero,
// otherwise AecrbsGetTempPath. 0 and an empty out path when no name is free, the folder cannot
// be had or the name would not fit.

#include "platform/api.h"

TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsMakeTempFileEx(char* out, const char* prefix,
                                                             const char* extension,
                                                             int useSystemFolder);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsMakeTempFile(char* out, const char* prefix,
                                                           const char* extension);
