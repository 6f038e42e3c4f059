#pragma once
// How a register session ended: its result code from the last error, and the message that
// TK73sslDULoadECRPFile hands back.

#include <string>

#include "network/app_context.h"
#include "network/trace_writer.h"

namespace tk73net {

inline constexpr int kOutcomeSuccess = 255;
inline constexpr int kOutcomeTimeOut = 0;
inline constexpr int kOutcomeNoConnection = 32;
inline constexpr int kOutcomeDataFile = 49;

// 255 without an error; 0 for a time-out; 49, 17, 64, 66, 96 for the errors of the database,
// data setting, search, a cancelled service and a busy register; 48 for any other. The trace
// gets a line for each failure.
[[nodiscard]] int sessionResult(const TK73APC* context, CTK73netTrace& trace);
// The message of the result (empty when there is none).
std::string sessionMessage(int result, const TK73APC* context);

}  // namespace tk73net
