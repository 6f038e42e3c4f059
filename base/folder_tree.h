#pragma once
// Folder creation, listings and whole-tree operations.

#include "platform/api.h"

TK73_EXPORT int TK73_API AecrbsMakeDirectory(const char* path);
TK73_EXPORT int TK73_API AecrbsMakeDirectoryEx(const char* path);
TK73_EXPORT int TK73_API AecrbsFindFile(const char* listing, const char* folder);
TK73_EXPORT int TK73_API AecrbsFindDirectory(const char* listing, const char* folder);
TK73_EXPORT int TK73_API AecrbsCopyDirectory(const char* source, const char* target);
TK73_EXPORT int TK73_API AecrbsDeleteDirectory(const char* folder);
TK73_EXPORT int TK73_API AecrbsResetAttribute(const char* folder);
