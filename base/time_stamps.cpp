#include <cstdio>

#include "base/date_time.h"
#include "base/out_buffer.h"
#include "platform/local_time.h"

// The out buffers hold 15 and 13 bytes: the digits and their NUL.

int TK73_API AecrbsGetYYYYMMDDhhmmss(char* out) {
    const std::tm now = tk73::localTimeNow();
    char digits[64];
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d", now.tm_year + 1900,
                  now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    // Fourteen digits and the NUL fill the room.
    (void)tk73::copyToBuffer(out, 15, digits);
    return 1;
}

int TK73_API AecrbsGetNowDateTime(char* out) {
    const std::tm now = tk73::localTimeNow();
    char digits[64];
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d", now.tm_year + 1900, now.tm_mon + 1,
                  now.tm_mday, now.tm_hour, now.tm_min);
    // Twelve digits and the NUL fill the room.
    (void)tk73::copyToBuffer(out, 13, digits);
    return 12;
}
