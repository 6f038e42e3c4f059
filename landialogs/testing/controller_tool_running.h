#pragma once
// The controller tool's process switch for the length of a test: only that tool searches for
// controllers on the LAN, and its folders and registry root are its own.

#include "base/registry_settings.h"

namespace tk73lantest {

class ControllerToolRunning {
  public:
    ControllerToolRunning() { AecrbsSetLaunchVekTool(1); }
    ~ControllerToolRunning() { AecrbsSetLaunchVekTool(0); }
    ControllerToolRunning(const ControllerToolRunning&) = delete;
    ControllerToolRunning& operator=(const ControllerToolRunning&) = delete;
};

}  // namespace tk73lantest
