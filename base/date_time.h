#pragma once
// Time stamps and day numbers.

#include "platform/api.h"

TK73_EXPORT int TK73_API AecrbsGetYYYYMMDDhhmmss(char* out);
TK73_EXPORT int TK73_API AecrbsGetNowDateTime(char* out);
TK73_EXPORT int TK73_API AecrbsIntegerToDate(char* out, int days);
