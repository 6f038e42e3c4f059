// check: the installation and definition check that the tests run, on the installation in use.

#include <cstdio>

#include "base/install_folders.h"
#include "platform/api.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/defcheck/installation_check.h"

namespace tk73cli {

namespace {

int runCheck(const CommandLine& line, CliUserInteraction&) {
    char installed[TK73_MAX_PATH] = {};
    AecrbsGetTK73InstallPath(installed);
    const std::string root = line.valueOr("install", installed);
    if (root.empty()) {
        std::fprintf(stderr, "tk73: no installation is set up; give --install\n");
        return kExitNotFound;
    }
    const tk73tools::Findings findings = tk73tools::checkInstallation(root);
    for (const tk73tools::Finding& finding : findings.all()) {
        std::printf("%s\n", tk73tools::describe(finding).c_str());
    }
    if (!findings.empty()) {
        std::fprintf(stderr, "tk73: %zu finding(s) in %s\n", findings.size(), root.c_str());
        return kExitDifferent;
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> CheckCommands() {
    return {
        {"check",
         "[--install FOLDER]",
         "Checks the definitions and default program files of the installation; lists each "
         "finding. Exit code 1 when there is one.",
         {{"install", "FOLDER", "the installation folder (default: the one installed)"}},
         0,
         0,
         runCheck},
    };
}

}  // namespace tk73cli
