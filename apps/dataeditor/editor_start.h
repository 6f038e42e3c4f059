#pragma once
// What the data editor knows from its start on: the command line, the active store with its
// model, the program file and its title, and the store's definition copy. The detail tool starts
// it with the program file's path and "/LAUNCHVEK" or "/LAUNCHREG", and "/CURVEKSET" when the
// controller setting is current.

#include <string>
#include <vector>

#include "storedb/edb_records.h"

namespace tk73edit {

struct StartContext {
    std::string path;  // the program file
    int fileNo = 0;
    int kind = 0;  // 0: a register's file, 1: the controller's
    int storeNo = 0;
    STORE_EDB store;
    MODEL_EDB model;
    std::string title;           // of the file, for its title line
    std::string definitionFile;  // the store's copy of the model's definition
};

enum class StartCheck {
    Ready,
    NoFile,       // no path on the command line, or nothing there
    NoStore,      // no active store (0 or 999)
    DataFile,     // the definitions call the file a data file
    NoDefinition  // the store's definition copy cannot be found ("Could not found INI file.")
};

// The flags (arguments beginning with "-", or with "/" and holding no further "/", so that an
// absolute path is no flag) and the plain parameters of the command line (the arguments after
// the program's path).
struct DataEditorCommandLine {
    std::vector<std::string> flags;
    std::vector<std::string> parameters;

    static DataEditorCommandLine parse(const std::vector<std::string>& arguments);
};

// Sets the process switches from the flags: "LAUNCHVEK" in the first or second flag marks the
// process as started by the controller tool, "CURVEKSET" there makes the controller's setting
// the current one.
void applyProcessSwitches(const DataEditorCommandLine& commandLine);

// The start-up checks after the switches are set, in their order: the active store (the working
// store 1 unless started by the controller tool or in the professional mode, else the desktop
// selection), the file, its number and kind, its title and the definition copy.
StartCheck prepareStart(const DataEditorCommandLine& commandLine, StartContext& out);

}  // namespace tk73edit
