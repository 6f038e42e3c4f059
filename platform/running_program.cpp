#include "platform/running_program.h"

#include <filesystem>
#include <system_error>

namespace tk73 {

std::string runningProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return program.parent_path().string();
}

}  // namespace tk73
