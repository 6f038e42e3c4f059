#pragma once
// The user manuals: the tool manual, which differs by tool, setting target and user mode, and the
// program file manual, which differs by setting target and register model. Both live in the
// folder "DOCUMENT" of the installation and open with the program the desktop associates with
// their type.

#include <cstdint>
#include <string>

namespace tk73store {

// The tool manual's path below "DOCUMENT". userMode is the installation's "UserMode"; the
// controller tool counts every mode but 4 as 3, the register tool every mode above 2 as 0.
std::string toolManualName(bool vekTool, int currentVekSetting, uint32_t userMode);
// The program file manual's path below "DOCUMENT"; the parts of a name are separated by "/".
std::string pgmFileManualName(int currentVekSetting, int registerModelNo);

// The manual's full path in the installation, each part of the name joined with the separator
// rule of the install folder; empty when the install folder is not configured.
std::string manualPath(const std::string& name);

}  // namespace tk73store

class CTK73hlp {
  public:
    // Each answers 1 when the manual was handed to its program; else (no such file, or no
    // program on the desktop for its type) "Can not show help." is shown and the answer is 0. The
    // messages go to the program's window through the user-interaction seam.
    int ShowHelpToolManual();
    // registerModelNo is the register model of the current store (model 301 has a manual of its
    // own); the controller's manual serves every controller setting.
    int ShowHelpPgmFileManual(int registerModelNo);
};
