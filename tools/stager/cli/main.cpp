// tk73stage <target> [--mode N] [--from FOLDER] [--replace]: lays the shipped installation into
// target and writes its machine hive, printing each step.
// tk73stage --hive FILE [--mode N] [--from FOLDER] [--data-folder NAME] [--replace]: writes only
// the machine hive of the installation that lies in FOLDER, as the package's installation does.

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/stager/stage_installation.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: tk73stage <target> [--mode N] [--from FOLDER] [--replace]\n"
                 "       tk73stage --hive FILE [--mode N] [--from FOLDER] [--data-folder NAME]\n"
                 "                 [--replace]\n"
                 "  --mode N      user mode 0 (networked register, default), 1 (stand-alone),\n"
                 "                2 (pro), 3 or 4 (controller tool simple or pro)\n"
                 "  --from FOLDER the installation to copy (default: the repository's install);\n"
                 "                with --hive, the installation in place that the hive names\n"
                 "  --hive FILE   write only the machine hive FILE, copy nothing\n"
                 "  --data-folder NAME  with --hive: the database and temporary folders lie in\n"
                 "                NAME below the application data folder\n"
                 "  --replace     replace an installation or hive that is there already\n");
    return 2;
}

bool isModeDigit(const char* text) {
    return std::strlen(text) == 1 && text[0] >= '0' && text[0] <= '9';
}

int report(bool done, const std::vector<std::string>& log, const std::string& error) {
    for (const std::string& line : log) {
        std::printf("%s\n", line.c_str());
    }
    if (!done) {
        std::fprintf(stderr, "tk73stage: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tk73tools::StageRequest request;
    request.source = tk73tools::shippedInstallation();
    std::string hive;
    std::string dataFolder;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const bool valued = i + 1 < argc;
        if (arg == "--mode" && valued && isModeDigit(argv[i + 1])) {
            request.mode = static_cast<uint32_t>(argv[++i][0] - '0');
        } else if (arg == "--from" && valued) {
            request.source = argv[++i];
        } else if (arg == "--hive" && valued) {
            hive = argv[++i];
        } else if (arg == "--data-folder" && valued) {
            dataFolder = argv[++i];
        } else if (arg == "--replace") {
            request.replace = true;
        } else if (request.target.empty() && !arg.starts_with("--")) {
            request.target = arg;
        } else {
            return usage();
        }
    }
    std::vector<std::string> log;
    std::string error;
    if (!hive.empty()) {
        if (!request.target.empty()) {
            return usage();
        }
        const tk73tools::HiveRequest written{request.source, hive, request.mode, dataFolder,
                                             request.replace};
        return report(tk73tools::writeMachineHive(written, log, error), log, error);
    }
    if (request.target.empty() || !dataFolder.empty()) {
        return usage();
    }
    if (const int failed = report(tk73tools::stageInstallation(request, log, error), log, error)) {
        return failed;
    }
    std::printf("staged the installation for user mode %u; use it with\n  TK73_MACHINE_HIVE=%s\n",
                request.mode, tk73tools::stagedHive(request.target).c_str());
    return 0;
}
