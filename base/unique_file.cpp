#include "base/unique_file.h"

#include <cerrno>
#include <cstdio>

namespace tk73 {

namespace {

constexpr int kLastCounter = 9998;

}  // namespace

std::string createUniqueFile(const std::string& folder, const std::string& prefix,
                             const std::string& stamp, const std::string& extension) {
    for (int counter = 0; counter <= kLastCounter; ++counter) {
        char number[8];
        std::snprintf(number, sizeof number, "%04d", counter);
        const std::string name = folder + prefix + stamp + number + extension;
        // "x": created only when it does not exist, in one step, so two processes never get the
        // same name.
        std::FILE* file = std::fopen(name.c_str(), "wbx");
        if (file != nullptr) {
            std::fclose(file);
            return name;
        }
        // Only a taken name moves the counter on; a missing or closed folder fails at once.
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

}  // namespace tk73
