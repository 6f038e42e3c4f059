#include "apps/dataeditor/window_placement.h"

#include <algorithm>
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

// The part of a title bar that a user can take hold of on a screen: its whole height, and at
// least this wide unless the window is narrower.
constexpr int kGripWidth = 64;

// The rectangle two rectangles share; empty (right <= left) when they do not meet.
ScreenArea shared(const ScreenArea& a, const ScreenArea& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

long area(const ScreenArea& r) {
    return r.right > r.left && r.bottom > r.top
               ? static_cast<long>(r.right - r.left) * (r.bottom - r.top)
               : 0;
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
    placement.stored = true;
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

WindowPlacement placementOnScreens(WindowPlacement placement,
                                   const std::vector<ScreenArea>& screens, int titleHeight) {
    if (screens.empty()) {
        return placement;
    }
    const ScreenArea window{placement.left, placement.top - titleHeight, placement.right,
                            placement.bottom};
    const ScreenArea titleBar{window.left, window.top, window.right, placement.top};
    const int grip = std::min(kGripWidth, titleBar.right - titleBar.left);
    const ScreenArea* screen = &screens.front();
    for (const ScreenArea& each : screens) {
        const ScreenArea held = shared(titleBar, each);
        if (placement.stored && grip > 0 && held.right - held.left >= grip &&
            held.top == titleBar.top && held.bottom == titleBar.bottom) {
            return placement;  // where the user left it
        }
        if (area(shared(window, each)) > area(shared(window, *screen))) {
            screen = &each;
        }
    }
    const int width = std::min(placement.right - placement.left, screen->right - screen->left);
    const int height =
        std::min(placement.bottom - placement.top, screen->bottom - screen->top - titleHeight);
    int left = placement.left;
    int top = placement.top;
    if (!placement.stored) {
        left = screen->left + (screen->right - screen->left - width) / 2;
        top = screen->top + titleHeight + (screen->bottom - screen->top - titleHeight - height) / 2;
    }
    placement.left = std::clamp(left, screen->left, screen->right - width);
    placement.top = std::clamp(top, screen->top + titleHeight, screen->bottom - height);
    placement.right = placement.left + width;
    placement.bottom = placement.top + height;
    return placement;
}

}  // namespace tk73edit
