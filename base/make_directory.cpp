#include <filesystem>
#include <string>

#include "base/folder_tree.h"
#include "platform/double_byte.h"
#include "platform/path_rule.h"
#include "platform/shared_folder.h"

namespace {

bool exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The part of the path that has no parent: the server and share of a network path
// ("\\server\share\"), a drive and its root ("C:\"), or the root separator ("/").
size_t rootLength(std::string_view path) {
    if (path.size() >= 2 && tk73::isPathSeparator(path[0]) && tk73::isPathSeparator(path[1])) {
        size_t at = 2;
        for (int part = 0; part < 2 && at < path.size(); ++part) {
            while (at < path.size() && !tk73::isPathSeparator(path[at])) {
                at += tk73::characterLength(path, at);
            }
            if (at < path.size()) {
                ++at;
            }
        }
        return at;
    }
    if (path.size() >= 2 && path[1] == ':') {
        return path.size() >= 3 && tk73::isPathSeparator(path[2]) ? 3 : 2;
    }
    return !path.empty() && tk73::isPathSeparator(path[0]) ? 1 : 0;
}

bool makeDirectory(std::string path) {
    if (path.empty() || exists(path)) {
        return true;
    }
    if (tk73::endsWithSeparator(path)) {
        path.pop_back();
    }
    const size_t separator = tk73::lastSeparatorAt(path);
    if (separator != std::string::npos && separator >= rootLength(path)) {
        const std::string parent = path.substr(0, separator);
        if (!exists(parent) && !makeDirectory(parent)) {
            return false;
        }
    }
    return tk73::createSharedFolder(path);
}

}  // namespace

int TK73_API AecrbsMakeDirectory(const char* path) {
    return path == nullptr || makeDirectory(path) ? 1 : 0;
}

int TK73_API AecrbsMakeDirectoryEx(const char* path) {
    if (path == nullptr || path[0] == '\0') {
        return 1;
    }
    std::string folder(path);
    if (!tk73::endsWithSeparator(folder)) {
        folder += tk73::pathSeparatorOf(folder);
    }
    return makeDirectory(folder) ? 1 : 0;
}
