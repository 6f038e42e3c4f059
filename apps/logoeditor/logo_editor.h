#pragma once
// TK73LOGO, the graphic logo editor: one page set, the logo list, which the shell opens with
// "/GP". Any other first flag opens the same list.

#include <string>

#include "apps/editors/framework/editor_application.h"

namespace tk73logo {

// The editor for a command line whose first flag is pageSetFlag.
tk73editor::EditorDescription logoEditor(const std::string& pageSetFlag = "GP");

}  // namespace tk73logo
