#pragma once
// The tool's window in front again after a program it started (base/window_values.h).

#include <cstdint>

namespace tk73dtl {

// A program the tool started has ended. It took the front through "CURRENTHWND" and, when it
// ended in order, left the value 0; when it was ended from outside it still names itself. Either
// way the tool's window is the one in front again, so the shell must find it there. A value that
// names a third program (a second editor still running) is left to it.
void takeFrontAfter(uint32_t endedProgram);

}  // namespace tk73dtl
