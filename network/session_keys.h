#pragma once
// The two 8-byte DES session keys that the file service installs once a register has begun to
// authenticate (payload type 0xC0). Registers carry the same keys.

#include <cstdint>

namespace tk73net {

// index 0 or 1.
void builtInSessionKey(int index, uint8_t* out);

}  // namespace tk73net
