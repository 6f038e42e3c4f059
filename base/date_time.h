#pragma once
// Time stamps and day numbers.
//
// Defined in day_numbers.cpp and time_stamps.cpp.

#include "platform/api.h"

// Local time as 14 digits YYYYMMDDhhmmss (out holds 15 bytes); 1.
TK73_EXPORT int TK73_API AecrbsGetYYYYMMDDhhmmss(char* out);
// Local time to the minute as 12 digits YYYYMMDDhhmm (out holds 13 bytes); 12.
TK73_EXPORT int TK73_API AecrbsGetNowDateTime(char* out);
// The date that many days after 1 January 1998 (day 0) as YYYYMMDD (out holds 9 bytes); 1. A day
// number whose year has not four digits gives 0 and an empty out.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsIntegerToDate(char* out, int days);
