#pragma once
// The general feature editor: the register's general features (menu 18) grouped on pages.
//
//   "AS"  "General Feature": every feature, on "System", "Operation" and "Devices".
//   "NS"  "Online Setting": what is connected to the register, on "Peripherals" and "Journal".
//   "BS"  "Key Operation": the rules of the clerk and drawer keys, on "Clerk" and "Drawer".

#include "apps/editors/framework/editor_application.h"

namespace tk73general {

tk73editor::EditorDescription generalEditor();

}  // namespace tk73general
