#pragma once
// The file service's machine-wide settings under "\TRACE\STOREPORT" beside the trace values:
// "THEAD", the seconds to wait for a telegram's data once its header has come; "TINIT" and
// "TEX1", the session's allowance for its start and for each file of the work list, from which
// its deadline is reckoned (service_loop.h); each 60 when unset. The priority ids "Process" (0-4)
// and "Thread" (0-5), and "CryptTermOff", which switches the payload encryption off. The
// time-out "TEX2" and the switches "CryptCCrewOff" and "LoopBack" govern nothing that this
// service does.

#include <cstdint>

namespace tk73net {

struct SessionSettings {
    int timeHead = 60;
    int timeStart = 60;
    int timePerFile = 60;
    uint32_t process = 0;
    uint32_t thread = 0;
    bool cryptTermOff = false;

    // Priority ids outside their ranges fail the start.
    bool valid() const { return process <= 4 && thread <= 5; }
};

SessionSettings readSessionSettings();

}  // namespace tk73net
