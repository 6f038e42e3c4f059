#pragma once
// Where the data editor's window stood and whether it was zoomed, kept per user under the
// sub-key "\TK73EDIT" of the system key: "RECT_X1", "RECT_Y1", "RECT_X2", "RECT_Y2" (the normal
// rectangle), "ICONIC", "MAXIMIZED" and "ZOOM", all DWORD values.

#include <vector>

namespace tk73edit {

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int right = 800;
    int bottom = 600;
    bool iconic = false;
    bool maximized = false;
    bool zoom = false;
    bool stored = false;  // read from the sub-key, not the defaults
};

// The room a screen has for windows, in the coordinates of the placement.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The stored placement; the defaults above when the sub-key does not exist.
WindowPlacement loadWindowPlacement();

// Where the window opens on the screens (the first is the primary one), its rectangle being
// the inside of the window below a title bar of titleHeight. A placement never stored is
// centred on the primary screen. A stored one stays where it was while its title bar lies on a
// screen, where the user can take hold of it; otherwise it moves onto the screen it overlaps
// most (the primary one when none), as little as it must. The window is never larger than the
// screen it opens on. Without screens the placement is taken as it is.
WindowPlacement placementOnScreens(WindowPlacement placement,
                                   const std::vector<ScreenArea>& screens, int titleHeight);
// 1 when every value was written.
int saveWindowPlacement(const WindowPlacement& placement);

}  // namespace tk73edit
