#pragma once
// TK73ITEM's description for the framework's start-up: its four page sets ("S" department, "P"
// PLU, "C" scanning PLU, "G" group), each an item list window; "/LAUNCHVEK" as the second flag
// switches to controller mode.

#include "apps/editors/framework/editor_application.h"

namespace tk73item {

tk73editor::EditorDescription itemEditor();

}  // namespace tk73item
