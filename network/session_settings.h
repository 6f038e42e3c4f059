#pragma once
// The file service's machine-wide settings under "\TRACE\STOREPORT" beside the trace values:
// "THEAD", the seconds to wait for a telegram's data once its header has come (60 when unset),
// the priority ids "Process" (0-4) and "Thread" (0-5), and "CryptTermOff", which switches the
// payload encryption off. The other time-out values of that key ("TINIT", "TEX1", "TEX2") and
// the switches "CryptCCrewOff" and "LoopBack" govern nothing that this service does.

#include <cstdint>

namespace tk73net {

struct SessionSettings {
    int timeHead = 60;
    uint32_t process = 0;
    uint32_t thread = 0;
    bool cryptTermOff = false;

    // Priority ids outside their ranges fail the start.
    bool valid() const { return process <= 4 && thread <= 5; }
};

SessionSettings readSessionSettings();

}  // namespace tk73net
