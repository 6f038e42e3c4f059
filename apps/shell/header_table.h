#pragma once
// Where each layout shows its group headers and its title banner. A layout shows the headers of
// the groups it has buttons for; the others stay hidden.

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

// The store bar's height at the top of the pro layout.
inline constexpr int kStoreBarHeight = 24;

}  // namespace tk73hub
