// The register simulator as a program: serves sessions on a loopback address until it is ended.
// It prints "listening on ADDRESS" once it accepts connections, then a line per session.
//
//   tk73regsim ADDRESS FOLDER [--port N] [--discovery-port N] [--encryption 0xNN] [--fault NAME]
//              [--listen-delay MS]

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "tools/regsim/register_simulator.h"

namespace {

volatile std::sig_atomic_t g_end = 0;

const std::map<std::string, tk73regsim::Fault> kFaults = {
    {"busy", tk73regsim::Fault::Busy},
    {"cancel", tk73regsim::Fault::Cancel},
    {"wrong-password", tk73regsim::Fault::WrongPassword},
    {"short-password", tk73regsim::Fault::ShortPassword},
    {"bad-check-byte", tk73regsim::Fault::BadCheckByte},
    {"oversized", tk73regsim::Fault::Oversized},
    {"repeat-block", tk73regsim::Fault::RepeatBlock},
    {"past-last-block", tk73regsim::Fault::PastLastBlock},
    {"silence", tk73regsim::Fault::Silence},
    {"close-mid-file", tk73regsim::Fault::CloseMidFile},
    {"push-twice", tk73regsim::Fault::PushTwice},
    {"wrong-direction", tk73regsim::Fault::WrongDirection},
    {"bad-headers", tk73regsim::Fault::BadHeaders},
    {"trickle-after-work", tk73regsim::Fault::TrickleAfterWork},
};

int usage() {
    std::fprintf(stderr,
                 "usage: tk73regsim ADDRESS FOLDER [--port N] [--discovery-port N] "
                 "[--encryption 0xNN] [--fault NAME] [--listen-delay MS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0) {
        return usage();
    }
    tk73regsim::Options options;
    options.address = argv[1];
    options.folder = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--port") {
            options.port = static_cast<uint16_t>(std::strtoul(value, nullptr, 10));
        } else if (name == "--discovery-port") {
            options.discoveryPort = static_cast<uint16_t>(std::strtoul(value, nullptr, 10));
        } else if (name == "--encryption") {
            options.encryption = static_cast<uint8_t>(std::strtoul(value, nullptr, 0));
        } else if (name == "--listen-delay") {
            options.listenDelayMs = static_cast<int>(std::strtoul(value, nullptr, 10));
        } else if (name == "--fault" && kFaults.count(value) == 1) {
            options.fault = kFaults.at(value);
        } else {
            return usage();
        }
    }
    tk73regsim::RegisterSimulator simulator(options);
    std::string error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "tk73regsim: %s\n", error.c_str());
        return 1;
    }
    // Scripts wait for this line before they connect.
    std::printf("listening on %s\n", options.address.c_str());
    std::fflush(stdout);
    std::signal(SIGINT, [](int) { g_end = 1; });
    std::signal(SIGTERM, [](int) { g_end = 1; });
    while (g_end == 0) {
        if (const auto report = simulator.nextReport(1)) {
            std::printf("session: kind %d, %zu files, %zu violations\n", report->workKind,
                        report->files.size(), report->violations.size());
            std::fflush(stdout);
        }
    }
    return 0;
}
