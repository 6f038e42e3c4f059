#pragma once
// A second start of the shell in a mode whose shell runs already: it brings that shell's window
// forward, or, while the shell is hidden waiting for a program it started, that program's window
// ("CURRENTHWND").

#include <cstdint>

namespace tk73hub {

// holder: the running shell's window handle (its process, as the mutex tells). True when a
// window came forward.
bool BringRunningShellForward(uint32_t holder);

}  // namespace tk73hub
