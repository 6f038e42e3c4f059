// tk73defcheck <installation folder>: checks the definitions and default program files of an
// installation and lists every finding; exit code 0 when there is none.

#include <cstdio>

#include "tools/defcheck/installation_check.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tk73defcheck <installation folder>\n");
        return 2;
    }
    tk73tools::Findings findings = tk73tools::checkInstallation(argv[1]);
    for (const tk73tools::Finding& finding : findings.all()) {
        std::printf("%s\n", tk73tools::describe(finding).c_str());
    }
    if (!findings.empty()) {
        std::printf("%zu finding(s) in %s\n", findings.size(), argv[1]);
        return 1;
    }
    std::printf("%s: every definition and default file is consistent\n", argv[1]);
    return 0;
}
