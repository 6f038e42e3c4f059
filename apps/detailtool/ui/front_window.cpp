#include "apps/detailtool/ui/front_window.h"

#include "base/registry_settings.h"
#include "platform/window_activation.h"

namespace tk73dtl {

namespace {

constexpr const char* kMainWindow = "MAINHWND";
constexpr const char* kCurrentWindow = "CURRENTHWND";

uint32_t readWindow(const char* name) {
    uint32_t handle = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &handle, name);
    return handle;
}

void writeWindow(const char* name, uint32_t handle) {
    AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, name, &handle);
}

}  // namespace

uint32_t mainWindow() {
    return readWindow(kMainWindow);
}

void setMainWindow(uint32_t handle) {
    writeWindow(kMainWindow, handle);
}

void takeFrontAfter(uint32_t endedProgram) {
    const uint32_t current = readWindow(kCurrentWindow);
    if (current == 0 || current == endedProgram) {
        writeWindow(kCurrentWindow, tk73::ownWindowHandle());
    }
}

}  // namespace tk73dtl
