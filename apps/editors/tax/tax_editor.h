#pragma once
// The tax table editor: switch "T" edits the register's tax tables, switch "R" the reservation
// of a tax table change. With the controller's setting current (the flag "/CURVEKSET" among the
// first two), either switch edits the controller's four tax tables instead.

#include "apps/editors/framework/editor_application.h"

namespace tk73tax {

tk73editor::EditorDescription taxEditor();

}  // namespace tk73tax
