#pragma once
// Opening a document with the program the desktop associates with it (the manuals and help
// files). The opener is xdg-open, or the program named by TK73_OPENER (tests use a script).

#include <string>

namespace tk73 {

// Starts the opener on the file, detached from this process (it is not waited for and outlives
// it). False when the opener cannot be started.
bool openWithAssociatedProgram(const std::string& path);

}  // namespace tk73
