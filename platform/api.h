#pragma once
// Calling convention and limits shared by every exported C function of the suite. The headers of
// the exported functions can be included from C too.

#ifdef __cplusplus
#include <cstddef>
#include <cstdint>
#else
#include <stddef.h>
#include <stdint.h>
#endif

#if defined(_WIN32)
#define TK73_API __stdcall
#else
#define TK73_API
#endif

// Exported C functions keep their unmangled names so that other programs can link them by name.
#ifdef __cplusplus
#define TK73_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define TK73_EXPORT __attribute__((visibility("default")))
#endif

// Marks exported results that say whether a call worked (C++ only; clang: its own form).
#if defined(__cplusplus) && defined(__clang__)
#define TK73_NODISCARD __attribute__((warn_unused_result))
#elif defined(__cplusplus)
#define TK73_NODISCARD [[nodiscard]]
#else
#define TK73_NODISCARD
#endif
#ifdef __cplusplus
// Room of a caller-supplied path buffer: paths hold at most 259 characters and their NUL.
inline constexpr int TK73_MAX_PATH = 260;
#endif
