#include "platform/running_program.h"

#include <filesystem>
#include <system_error>

namespace tk73 {

namespace {

std::filesystem::path runningProgram() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

}  // namespace

std::string runningProgramFolder() {
    return runningProgram().parent_path().string();
}

std::string runningProgramName() {
    return runningProgram().filename().string();
}

}  // namespace tk73
