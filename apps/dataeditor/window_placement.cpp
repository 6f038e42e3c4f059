#include "apps/dataeditor/window_placement.h"

#include <cstdint>

#include "base/registry_settings.h"

namespace tk73edit {

namespace {

constexpr const char* kSubKey = "\\TK73EDIT";

int readValue(const char* name) {
    uint32_t value = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(kSubKey, &value, name);
    return static_cast<int>(value);
}

int writeValue(const char* name, int value) {
    const auto stored = static_cast<uint32_t>(value);
    return AecrbsSetRegistryCurrentUserSystemValueDW(kSubKey, name, &stored);
}

}  // namespace

WindowPlacement loadWindowPlacement() {
    WindowPlacement placement;
    if (AecrbsCheckRegistryCurrentUserSystemKey(kSubKey) != 1) {
        return placement;
    }
    placement.left = readValue("RECT_X1");
    placement.top = readValue("RECT_Y1");
    placement.right = readValue("RECT_X2");
    placement.bottom = readValue("RECT_Y2");
    placement.iconic = readValue("ICONIC") != 0;
    placement.maximized = readValue("MAXIMIZED") != 0;
    placement.zoom = readValue("ZOOM") != 0;
    return placement;
}

int saveWindowPlacement(const WindowPlacement& placement) {
    const int written =
        writeValue("RECT_X1", placement.left) & writeValue("RECT_Y1", placement.top) &
        writeValue("RECT_X2", placement.right) & writeValue("RECT_Y2", placement.bottom) &
        writeValue("ICONIC", placement.iconic ? 1 : 0) &
        writeValue("MAXIMIZED", placement.maximized ? 1 : 0) &
        writeValue("ZOOM", placement.zoom ? 1 : 0);
    return written;
}

}  // namespace tk73edit
