#include <filesystem>

#include "base/file_utils.h"
#include "platform/shell_open.h"

int TK73_API AecrbsExecuteFile(const char* path) {
    std::error_code error;
    if (path == nullptr || !std::filesystem::exists(path, error)) {
        return 0;
    }
    return tk73::openWithAssociatedProgram(path) ? 1 : 0;
}
