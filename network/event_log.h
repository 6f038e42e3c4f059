#pragma once
// The file service's start and end events, written to the system journal under "ECRNET". Each
// event carries the module name, the error triple as "0x%08x-0x%08x-0x%08x" and the message.

#include "network/app_context.h"

namespace tk73net {

// Kinds 1 and 2 are errors, 3 a warning, 4 and 5 information; the event id is bit 30 plus the
// kind.
enum EventKind { kEventError1 = 1, kEventError2, kEventWarning, kEventInfo1, kEventInfo2 };

void writeEvent(const TK73APC* context, int kind, const char* message);

}  // namespace tk73net
