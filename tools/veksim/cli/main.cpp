// The controller simulator as a program: serves transfers on a loopback address until it is
// ended.
//
//   tk73veksim ADDRESS FOLDER [--port N] [--discovery-port N] [--machine NNNN] [--model CODE]
//              [--busy]

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "tools/veksim/controller_simulator.h"

namespace {

volatile std::sig_atomic_t g_end = 0;

int usage() {
    std::fprintf(stderr,
                 "usage: tk73veksim ADDRESS FOLDER [--port N] [--discovery-port N] "
                 "[--machine NNNN] [--model CODE] [--busy]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return usage();
    }
    tk73veksim::Options options;
    options.address = argv[1];
    options.folder = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--busy") {
            options.busy = true;
            continue;
        }
        if (i + 1 >= argc) {
            return usage();
        }
        const char* value = argv[++i];
        if (name == "--port") {
            options.port = static_cast<uint16_t>(std::strtoul(value, nullptr, 10));
        } else if (name == "--discovery-port") {
            options.discoveryPort = static_cast<uint16_t>(std::strtoul(value, nullptr, 10));
        } else if (name == "--machine") {
            options.machineNo = value;
        } else if (name == "--model") {
            options.modelCode = value;
        } else {
            return usage();
        }
    }
    tk73veksim::ControllerSimulator simulator(options);
    std::string error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "tk73veksim: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGINT, [](int) { g_end = 1; });
    std::signal(SIGTERM, [](int) { g_end = 1; });
    while (g_end == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return 0;
}
