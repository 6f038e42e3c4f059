// A second process for the tests of single instance, window activation and program launch. The
// switch, its only argument, says what to do; the environment says where:
//
//   /ARGS  write the arguments, one a line, to $TK73_HELPER_OUT
//   /EXIT7 end with exit code 7
//   /FDS   write the open descriptors above standard error, one a line, to $TK73_HELPER_OUT
//   /HOLD  take the mutex $TK73_HELPER_MUTEX and write "owned" or "held <holder>" to
//          $TK73_HELPER_OUT; when owned, raise requests append a line to $TK73_HELPER_OUT.raised
//          and the program waits until a signal ends it

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/named_mutex.h"
#include "platform/window_activation.h"

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Written beside and renamed, so the test never reads half a file.
void writeResult(const std::string& text) {
    const std::string path = variable("TK73_HELPER_OUT");
    std::ofstream(path + ".part", std::ios::trunc) << text;
    std::filesystem::rename(path + ".part", path);
}

int hold() {
    tk73::NamedMutex mutex(variable("TK73_HELPER_MUTEX"));
    if (mutex.state() != tk73::NamedMutex::State::Owned) {
        writeResult("held " + std::to_string(mutex.holder()) + "\n");
        return 0;
    }
    const std::string raised = variable("TK73_HELPER_OUT") + ".raised";
    tk73::ActivationEndpoint endpoint([raised] {
        std::ofstream(raised, std::ios::app) << "raise\n";
        return true;
    });
    writeResult(endpoint.listening() ? "owned\n" : "owned without endpoint\n");
    for (;;) {
        ::pause();
    }
}

int listDescriptors() {
    DIR* folder = ::opendir("/proc/self/fd");
    if (folder == nullptr) {
        return 1;
    }
    std::string lines;
    while (const dirent* entry = ::readdir(folder)) {
        const int fd = std::atoi(entry->d_name);
        // The listing's own descriptor is no inherited one.
        if (fd > 2 && fd != ::dirfd(folder)) {
            lines += std::string(entry->d_name) + "\n";
        }
    }
    ::closedir(folder);
    writeResult(lines);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "/ARGS") {
        std::string lines;
        for (int i = 0; i < argc; ++i) {
            lines += std::string(argv[i]) + "\n";
        }
        writeResult(lines);
        return 0;
    }
    if (mode == "/EXIT7") {
        return 7;
    }
    if (mode == "/FDS") {
        return listDescriptors();
    }
    if (mode == "/HOLD") {
        return hold();
    }
    return 2;
}
