#include <filesystem>

#include "base/file_utils.h"

namespace fs = std::filesystem;

long long TK73_API AecrbsCheckFile(const char* path) {
    std::error_code error;
    const fs::file_status status = path != nullptr ? fs::status(path, error) : fs::file_status{};
    if (!fs::exists(status)) {
        return -1;
    }
    // A folder has no size of its own, as in a Windows directory listing.
    if (!fs::is_regular_file(status)) {
        return 0;
    }
    const uintmax_t size = fs::file_size(path, error);
    return error ? -1 : static_cast<long long>(size);
}

int TK73_API AecrbsCheckDirectory(const char* path) {
    std::error_code error;
    return path != nullptr && fs::exists(path, error) ? 1 : 0;
}
