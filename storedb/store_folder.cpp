#include "storedb/store_folder.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/file_utils.h"
#include "base/install_folders.h"
#include "platform/api.h"

namespace tk73store {

const char* machineFolderName(int kind) {
    return kind == 1 ? "O001" : "M001";
}

std::string storeFolderPath(int storeNo) {
    char path[TK73_MAX_PATH] = {};
    char name[16];
    std::snprintf(name, sizeof name, "S%03d", storeNo);
    if (AecrbsGetTK73DataBasePath(path) == 0 || AecrbsAddPath(path, name) == 0) {
        return {};
    }
    return path;
}

std::string storeMachineFolderPath(int storeNo, int kind) {
    const std::string store = storeFolderPath(storeNo);
    char path[TK73_MAX_PATH] = {};
    if (store.empty() || store.size() >= sizeof path) {
        return {};
    }
    std::memcpy(path, store.c_str(), store.size() + 1);
    return AecrbsAddPath(path, machineFolderName(kind)) != 0 ? std::string(path) : std::string();
}

bool storeFolderExists(int storeNo) {
    const std::string folder = storeFolderPath(storeNo);
    std::error_code error;
    // Anything under the name takes the number: a file there would stop the folder being made.
    return !folder.empty() && std::filesystem::exists(folder, error);
}

}  // namespace tk73store
