#include "apps/shell/main_window_value.h"

#include "base/registry_settings.h"

namespace tk73hub {

namespace {

constexpr const char* kMainWindow = "MAINHWND";
constexpr const char* kCurrentWindow = "CURRENTHWND";

uint32_t read(const char* name) {
    uint32_t value = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &value, name);
    return value;
}

void write(const char* name, uint32_t value) {
    AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, name, &value);
}

}  // namespace

void SetMainWindowValue(uint32_t handle) {
    write(kMainWindow, handle);
}

uint32_t MainWindowValue() {
    return read(kMainWindow);
}

void SetCurrentWindowValue(uint32_t handle) {
    write(kCurrentWindow, handle);
}

uint32_t CurrentWindowValue() {
    return read(kCurrentWindow);
}

}  // namespace tk73hub
