#pragma once
// What the detail tool knows from its start on: the controller switches of its command line,
// the active store with the register or controller model whose definition copy it tailors.
//
// The shell starts it without a word in the register layout ("Detail Settings") and with
// "/CURVEKSET" from the controller setting button; the controller tool adds "/LAUNCHVEK".

#include <string>
#include <vector>

#include "definitions/def_reg.h"
#include "storedb/edb_records.h"

namespace tk73dtl {

struct DetailContext {
    bool vekTool = false;  // started by the controller tool
    int kind = 0;          // 0: the register's setting, 1: the controller's (current VEK setting)
    int storeNo = 0;
    STORE_EDB store;
    MODEL_EDB model;

    // The store's copy of the model's definition.
    CTK73defReg Definition() const { return CTK73defReg(model.indentName.c_str(), storeNo, kind); }
    // The store's working copy of the program file.
    std::string MainteFile(int fileNo) const;
};

// Sets the process switches from the first two words of the command line (arguments after the
// program's path): "LAUNCHVEK" marks the controller tool, "CURVEKSET" makes the controller's
// setting the current one.
void applyProcessSwitches(const std::vector<std::string>& arguments);

// The single-instance name under the switches as they are set: "TK73HUB_CURRENTVEK" or
// "TK73HUB_LAUNCHVEK" before the title for the controller tool, the title alone otherwise.
std::string instanceName();

// Fills the context from the switches and the active store; false when no store is active (none,
// or the "no store" number 999), and the tool then shows no window.
bool prepareStart(DetailContext& out);

}  // namespace tk73dtl
