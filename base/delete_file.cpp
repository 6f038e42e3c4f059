#include <chrono>
#include <filesystem>
#include <thread>

#include "base/file_utils.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTries = 3;
constexpr std::chrono::milliseconds kPause{500};

// True when the path is gone. A folder is never deleted here, as a file delete cannot remove one.
bool deleteOnce(const char* path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) {
        return true;
    }
    if (error || fs::is_directory(status)) {
        return false;
    }
    fs::remove(path, error);
    return !error;
}

}  // namespace

int TK73_API AecrbsDeleteFile(const char* path) {
    if (path == nullptr) {
        return 0;
    }
    // A file that another program still holds may come free a moment later.
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        if (deleteOnce(path)) {
            return 1;
        }
        if (attempt < kTries) {
            std::this_thread::sleep_for(kPause);
        }
    }
    return 0;
}
