#pragma once
// The library's allocator and dynamic loading. Everything the base services hand out is freed
// with AecrbsFree.

#include "platform/api.h"

TK73_EXPORT void* TK73_API AecrbsMalloc(size_t size);
TK73_EXPORT void* TK73_API AecrbsRealloc(void* block, size_t size);
TK73_EXPORT char* TK73_API AecrbsStrdup(const char* text);
TK73_EXPORT void TK73_API AecrbsFree(void* block);

// Libraries are named as on Windows ("GLCONV.DLL"); the platform maps the name to this system's.
TK73_EXPORT void* TK73_API AecrbsLoadLibrary(const char* file);
TK73_EXPORT void* TK73_API AecrbsGetProcAddress(void* module, const char* symbol);
TK73_EXPORT int TK73_API AecrbsFreeLibrary(void* module);
