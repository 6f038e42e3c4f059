#pragma once
// Calling convention and limits shared by every exported C function of the suite.

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define TK73_API __stdcall
#else
#define TK73_API
#endif

// Exported C functions keep their unmangled names so that other programs can link them by name.
#define TK73_EXPORT extern "C" __attribute__((visibility("default")))

// Room of a caller-supplied path buffer: paths hold at most 259 characters and their NUL.
inline constexpr int TK73_MAX_PATH = 260;
