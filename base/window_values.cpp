#include "base/window_values.h"

#include "base/registry_settings.h"

namespace tk73 {

namespace {

constexpr const char* kMainWindow = "MAINHWND";
constexpr const char* kCurrentWindow = "CURRENTHWND";

uint32_t readValue(const char* name) {
    uint32_t handle = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &handle, name);
    return handle;
}

void writeValue(const char* name, uint32_t handle) {
    // A window whose value cannot be written is not found by the other programs, as if it were
    // closed; nothing here can do better.
    (void)AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, name, &handle);
}

}  // namespace

uint32_t mainWindowValue() {
    return readValue(kMainWindow);
}

void setMainWindowValue(uint32_t handle) {
    writeValue(kMainWindow, handle);
}

uint32_t currentWindowValue() {
    return readValue(kCurrentWindow);
}

void setCurrentWindowValue(uint32_t handle) {
    writeValue(kCurrentWindow, handle);
}

}  // namespace tk73
