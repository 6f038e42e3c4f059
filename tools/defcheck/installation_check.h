#pragma once
// The definition checker over a whole installation folder (the folder that holds
// "TK73TOOL.ini", "register", "vek", "system", "template" and "DOCUMENT").

#include <string>

#include "tools/defcheck/finding.h"

namespace tk73tools {

// Every finding of every check; empty when the installation is consistent.
Findings checkInstallation(const std::string& root);

}  // namespace tk73tools
