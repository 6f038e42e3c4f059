#pragma once
// Lays the shipped installation into a target folder T and writes the machine hive for a user
// mode, so that tests, benchmarks and the demo each start from a fresh installation:
//
//   T/install            InstallPath: TK73TOOL.ini, DOCUMENT
//   T/install/register   RegisterPath: one folder per register model
//   T/install/vek        VekPath: one folder per controller model
//   T/install/system     SystemPath: REGMODEL.edb, VEKMODEL.edb
//   T/install/template   TemplatePath: the empty store tables
//   T/machine.reg        the machine hive, the same values under the register tool's and the
//                        controller tool's root

#include <cstdint>
#include <string>
#include <vector>

namespace tk73tools {

struct StageRequest {
    std::string source;    // the installation to copy (the repository's install folder)
    std::string target;    // T
    uint32_t mode = 0;     // 0 networked register, 1 stand-alone, 2 pro, 3/4 controller tool
    bool replace = false;  // remove an installation that T already holds
};

// The machine hive of an installation that already lies in its place, as a package lays it out:
// the folder values name the installation's folders, and the database and temporary folders are
// "<dataFolder>/TK73DB" and "<dataFolder>/TK73TEMP" below the application data folder ("TK73DB"
// and "TK73TEMP" without a data folder).
struct HiveRequest {
    std::string installation;  // InstallPath, the folder that holds TK73TOOL.ini
    std::string hive;          // the file to write
    uint32_t mode = 0;         // as for staging
    std::string dataFolder;
    bool replace = false;  // replace a hive file that is there already
};

// The repository's install folder, where the stager takes the installation from by default.
std::string shippedInstallation();

// The hive file of an installation staged in target.
std::string stagedHive(const std::string& target);

// Stages the installation; log receives one line per step. False with the reason in error;
// the caller's TK73_MACHINE_HIVE is the same afterwards as before.
bool stageInstallation(const StageRequest& request, std::vector<std::string>& log,
                       std::string& error);

// Writes the machine hive of an installation in place; the same promises as staging.
bool writeMachineHive(const HiveRequest& request, std::vector<std::string>& log,
                      std::string& error);

}  // namespace tk73tools
