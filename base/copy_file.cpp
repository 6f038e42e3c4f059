#include <filesystem>

#include "base/file_utils.h"

namespace fs = std::filesystem;

int TK73_API AecrbsCopyFile(const char* source, const char* target, int failIfExists) {
    if (source == nullptr || target == nullptr) {
        return 0;
    }
    std::error_code error;
    const fs::copy_options options =
        failIfExists != 0 ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    return fs::copy_file(source, target, options, error) && !error ? 1 : 0;
}
