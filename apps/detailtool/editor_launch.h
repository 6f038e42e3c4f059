#pragma once
// OPEN on a file row: the data editor, as a program of its own, on the store's working copy of
// the file.

#include <string>
#include <vector>

#include "apps/detailtool/detail_start.h"

namespace tk73dtl {

// The data editor's arguments for the file: its maintenance path, "/LAUNCHVEK" for the
// controller tool or "/LAUNCHREG" otherwise, then "/CURVEKSET" when the controller's setting is
// the current one. Empty for a data file, which the editor does not open.
std::vector<std::string> dataEditorArguments(const DetailContext& context, int fileNo);

// The data editor beside the running program.
std::string dataEditorProgram();

}  // namespace tk73dtl
