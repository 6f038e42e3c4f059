#pragma once
// Where the data editor's window stood and whether it was zoomed, kept per user under the
// sub-key "\TK73EDIT" of the system key: "RECT_X1", "RECT_Y1", "RECT_X2", "RECT_Y2" (the normal
// rectangle), "ICONIC", "MAXIMIZED" and "ZOOM", all DWORD values.

namespace tk73edit {

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int right = 800;
    int bottom = 600;
    bool iconic = false;
    bool maximized = false;
    bool zoom = false;
};

// The stored placement; the defaults above when the sub-key does not exist.
WindowPlacement loadWindowPlacement();
// 1 when every value was written.
int saveWindowPlacement(const WindowPlacement& placement);

}  // namespace tk73edit
