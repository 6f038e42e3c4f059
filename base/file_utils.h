#pragma once
// Path joining and single-file operations.
//
// Defined one operation to a source: add_path.cpp, copy_file.cpp, delete_file.cpp,
// execute_file.cpp, file_checks.cpp and load_file.cpp.

#include "platform/api.h"

// Appends name to the TK73_MAX_PATH buffer path with exactly one separator; 0 (path unchanged)
// when the result would not fit.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsAddPath(char* path, const char* name);
// The file's size in bytes (0 for a folder), or -1 when the path does not exist.
TK73_EXPORT long long TK73_API AecrbsCheckFile(const char* path);
// 1 when the path exists, file or folder.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsCheckDirectory(const char* path);
// Overwrites an existing target unless failIfExists is nonzero.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsCopyFile(const char* source, const char* target,
                                                       int failIfExists);
// 1 when the file is gone; a failed delete is tried again after 500 ms, three tries in all.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsDeleteFile(const char* path);
// Opens the file with its associated program (platform/shell_open.h), not waiting for it; 0 when
// the file does not exist or the opener cannot be started.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsExecuteFile(const char* path);
// The whole file in a block from AecrbsMalloc, with one NUL byte after its contents (an empty
// file gives a 1-byte block), and its size; null on any failure.
TK73_EXPORT char* TK73_API AecrbsLoadFile(const char* path, long* size);
