#pragma once
// Text conversions of the base services. Texts are 8-bit strings in the user's code page; a
// double-byte character is a lead byte in 0x81-0x9F or 0xE0-0xFC followed by a trail byte in
// 0x40-0x7E or 0x80-0xFC, and the operations that walk a text step over it as one character.
//
// Out buffers are supplied by the caller and must hold the result and its NUL.

#include <cstdint>

#include "platform/api.h"

// 2 when the text starts with a double-byte character, else 1 (also for a null pointer).
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsGetCharc(const char* text);

// Strict decimal: an optional sign, then ASCII digits only (no blanks), within the 32-bit range.
// number is 0 unless the result is 1; a null or empty text, or a lone sign, gives 0 with 1.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsStringToInteger(int32_t* number, const char* text);
// The length bytes at the 0-based start of the text, read as AecrbsStringToInteger does. A null
// or empty text gives 0 with result 1; a text shorter than start + length, or a length over
// 4095 bytes, gives 0.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsFigureToInteger(int32_t* number, const char* text,
                                                              int start, int length);
// The number in decimal ("%d"); the buffer holds at least 12 bytes.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsIntegerToString(char* out, int32_t number);

// The text without its leading and trailing bytes of value 0x20 and below.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsStripString(char* out, const char* text);
// The text without the run of filler characters that ends it.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsStripFiller(char* out, const char* text, char filler);
// Splits "code:name" at its first colon into the trimmed code and the trimmed name; a text
// without a colon gives the trimmed text in both. Texts over 4095 bytes give 0 with both empty.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsDevideCode(char* code, char* name, const char* text);
// 1 when the text is null, empty or exactly three ASCII digits.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsCheckCode(const char* text);
