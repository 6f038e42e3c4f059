// tk73stage <target> [--mode N] [--from FOLDER] [--replace]: lays the shipped installation into
// target and writes its machine hive, printing each step.

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/stager/stage_installation.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: tk73stage <target> [--mode N] [--from FOLDER] [--replace]\n"
                 "  --mode N      user mode 0 (networked register, default), 1 (stand-alone),\n"
                 "                2 (pro), 3 or 4 (controller tool simple or pro)\n"
                 "  --from FOLDER the installation to copy (default: the repository's install)\n"
                 "  --replace     replace an installation that the target already holds\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    tk73tools::StageRequest request;
    request.source = tk73tools::shippedInstallation();
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--mode" && i + 1 < argc && std::strlen(argv[i + 1]) == 1 &&
            argv[i + 1][0] >= '0' && argv[i + 1][0] <= '9') {
            request.mode = static_cast<uint32_t>(argv[++i][0] - '0');
        } else if (arg == "--from" && i + 1 < argc) {
            request.source = argv[++i];
        } else if (arg == "--replace") {
            request.replace = true;
        } else if (request.target.empty() && !arg.starts_with("--")) {
            request.target = arg;
        } else {
            return usage();
        }
    }
    if (request.target.empty()) {
        return usage();
    }
    std::vector<std::string> log;
    std::string error;
    bool staged = tk73tools::stageInstallation(request, log, error);
    for (const std::string& line : log) {
        std::printf("%s\n", line.c_str());
    }
    if (!staged) {
        std::fprintf(stderr, "tk73stage: %s\n", error.c_str());
        return 1;
    }
    std::printf("staged the installation for user mode %u; use it with\n  TK73_MACHINE_HIVE=%s\n",
                request.mode, tk73tools::stagedHive(request.target).c_str());
    return 0;
}
