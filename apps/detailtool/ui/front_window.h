#pragma once
// The registry values through which the shell and the programs it starts find each other's
// windows (platform/window_activation.h): "MAINHWND" names the window that gets the front back
// when a started program ends, "CURRENTHWND" the window in front, which a second start of the
// shell raises.

#include <cstdint>

namespace tk73dtl {

uint32_t mainWindow();
void setMainWindow(uint32_t handle);

// A program the tool started has ended. It took the front through "CURRENTHWND" and, when it
// ended in order, left the value 0; when it was ended from outside it still names itself. Either
// way the tool's window is the one in front again, so the shell must find it there. A value that
// names a third program (a second editor still running) is left to it.
void takeFrontAfter(uint32_t endedProgram);

}  // namespace tk73dtl
