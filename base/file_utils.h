#pragma once
// Path joining and single-file operations.

#include "platform/api.h"

// Appends name to the TK73_MAX_PATH buffer path with exactly one separator; 0 (path unchanged)
// when the result would not fit.
TK73_EXPORT int TK73_API AecrbsAddPath(char* path, const char* name);
TK73_EXPORT long long TK73_API AecrbsCheckFile(const char* path);
TK73_EXPORT int TK73_API AecrbsCheckDirectory(const char* path);
TK73_EXPORT int TK73_API AecrbsCopyFile(const char* source, const char* target, int failIfExists);
TK73_EXPORT int TK73_API AecrbsDeleteFile(const char* path);
TK73_EXPORT int TK73_API AecrbsExecuteFile(const char* path);
TK73_EXPORT char* TK73_API AecrbsLoadFile(const char* path, long* size);
