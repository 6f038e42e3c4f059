#pragma once
// The registry values through which the shell and the programs it starts find each other's
// windows (platform/window_activation.h tells what they hold): "MAINHWND" names the window that
// gets the front back when a started program ends, "CURRENTHWND" the window in front, which a
// second start of the shell raises. 0 names no window.

#include <cstdint>

namespace tk73 {

uint32_t mainWindowValue();
void setMainWindowValue(uint32_t handle);
uint32_t currentWindowValue();
void setCurrentWindowValue(uint32_t handle);

}  // namespace tk73
