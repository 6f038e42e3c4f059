#pragma once
// Opening a document with the program the desktop associates with it (the manuals and help
// files). The opener is xdg-open, or the program named by TK73_OPENER (tests use a script).

#include <string>

namespace tk73 {

// Starts the opener on the file, detached from this process (it is not waited for and outlives
// it). False when the opener cannot be started.
[[nodiscard]] bool openWithAssociatedProgram(const std::string& path);

// Whether the desktop has a program for the file's type, so that the opener would show it. The
// opener starts whatever the file is and fails later, out of sight, when nothing takes the type;
// asking first lets the caller show the file another way. With TK73_OPENER set, the named
// opener is the program for every type: true when it can be started.
[[nodiscard]] bool hasAssociatedProgram(const std::string& path);

}  // namespace tk73
