#pragma once
// Where each layout shows its group headers and its title banner. The default layout keeps its
// editors at their long-standing places, where image and tax programming share the print and
// general columns, so it shows four headers; the other layouts show all seven.

#include <QRect>

#include <vector>

#include "apps/shell/tool_table.h"

namespace tk73hub {

struct HeaderPlace {
    const char* caption;
    QRect rect;  // empty: hidden in this layout
};

// The seven headers in a fixed order: File, Item, Image, Print, Other, General, Tax.
std::vector<HeaderPlace> headerPlaces(HubLayout layout);

// The title banner's place; empty when the layout has no room for it.
QRect bannerPlace(HubLayout layout);

// The store bar's height at the top of the pro layout (more when the system's font needs it).
inline constexpr int kStoreBarHeight = 24;

}  // namespace tk73hub
