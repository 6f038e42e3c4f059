// Where the data editor's window opens: never with its title bar off every screen.

#include <gtest/gtest.h>

#include "apps/dataeditor/window_placement.h"

namespace tk73edit {
namespace {

constexpr int kTitle = 30;
// A primary screen of 1920 x 1040 (a task bar below), and a second one to its left.
const std::vector<ScreenArea> kScreens = {{0, 0, 1920, 1040}, {-1280, 0, 0, 1024}};

WindowPlacement stored(int left, int top, int width, int height) {
    WindowPlacement placement;
    placement.left = left;
    placement.top = top;
    placement.right = left + width;
    placement.bottom = top + height;
    placement.stored = true;
    return placement;
}

void expectRect(const WindowPlacement& placement, int left, int top, int width, int height) {
    EXPECT_EQ(placement.left, left);
    EXPECT_EQ(placement.top, top);
    EXPECT_EQ(placement.right - placement.left, width);
    EXPECT_EQ(placement.bottom - placement.top, height);
}

TEST(WindowPlacementOnScreens, AFirstStartIsCentredAndAPlaceOffEveryScreenMovesOntoOne) {
    // The first start: 800 x 600 in the middle of the primary screen, its title bar on it.
    expectRect(placementOnScreens(WindowPlacement(), kScreens, kTitle), 560, 235, 800, 600);
    // A stored place whose title bar lies on a screen stays, on the second screen too, and with
    // the window hanging over an edge.
    expectRect(placementOnScreens(stored(100, 200, 700, 500), kScreens, kTitle), 100, 200, 700,
               500);
    expectRect(placementOnScreens(stored(-900, 40, 700, 500), kScreens, kTitle), -900, 40, 700,
               500);
    expectRect(placementOnScreens(stored(1800, 900, 700, 500), kScreens, kTitle), 1800, 900, 700,
               500);
    // The inside at 0, 0 puts the title bar above the screen: it comes down by its height.
    expectRect(placementOnScreens(stored(0, 0, 800, 600), kScreens, kTitle), 0, kTitle, 800, 600);
    // A screen that is gone: onto the primary screen, as little as it must.
    expectRect(placementOnScreens(stored(5000, 300, 800, 600), kScreens, kTitle), 1120, 300, 800,
               600);
    // Mostly on the second screen but with the title bar above it: stays on that screen.
    expectRect(placementOnScreens(stored(-1000, -20, 700, 500), kScreens, kTitle), -1000, kTitle,
               700, 500);
    // Larger than the screen it comes onto: made to fit.
    expectRect(placementOnScreens(stored(-5000, -5000, 3000, 2000), kScreens, kTitle), 0, kTitle,
               1920, 1040 - kTitle);
    // Without screens nothing is known: as stored.
    expectRect(placementOnScreens(stored(-5000, 7, 10, 10), {}, kTitle), -5000, 7, 10, 10);
}

}  // namespace
}  // namespace tk73edit
