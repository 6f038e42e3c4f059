#pragma once
// The clerks (switch "PC", "Clerk"): one row per clerk record of menu 17 with its number, name
// (item 1), secret code (item 2), cash drawer (item 4, "Drawer 1" / "Drawer 2") and training flag
// (item 3), ten clerks to a page. A column shows only when the definition has its item: the
// controller's servers have a name and a secret code only.

#include <memory>

#include "apps/editors/framework/page_set_dialog.h"

namespace tk73clerk {

inline constexpr int kClerkMenu = 17;
inline constexpr int kNameItem = 1;
inline constexpr int kSecretCodeItem = 2;
inline constexpr int kTrainingItem = 3;
inline constexpr int kDrawerItem = 4;

std::unique_ptr<tk73editor::PageSetDialog> clerkPageSet(tk73editor::PgmMenuContext& context);

}  // namespace tk73clerk
