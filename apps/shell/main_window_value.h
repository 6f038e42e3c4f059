#pragma once
// The registry values through which the shell and the programs it starts find each other's
// windows: "MAINHWND" names the shell while it waits for a program, "CURRENTHWND" the program
// in front (platform/window_activation.h tells what the values hold).

#include <cstdint>

namespace tk73hub {

void SetMainWindowValue(uint32_t handle);
uint32_t MainWindowValue();
void SetCurrentWindowValue(uint32_t handle);
uint32_t CurrentWindowValue();

}  // namespace tk73hub
