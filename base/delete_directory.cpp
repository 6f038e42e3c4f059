#include <filesystem>

#include "base/folder_tree.h"
#include "base/folder_walk.h"
#include "platform/path_rule.h"

namespace fs = std::filesystem;

int TK73_API AecrbsDeleteDirectory(const char* folder) {
    if (folder == nullptr) {
        return 0;
    }
    std::error_code error;
    if (fs::symlink_status(folder, error).type() == fs::file_type::not_found) {
        return 1;
    }
    const std::optional<tk73::FolderListing> listing = tk73::listFolder(folder);
    if (!listing) {
        return 0;
    }
    // A file that cannot go shows up as the folder that cannot be removed.
    for (const std::string& file : listing->files) {
        fs::remove(tk73::joinPath(folder, file), error);
    }
    for (const std::string& sub : listing->folders) {
        if (!fs::remove(tk73::joinPath(folder, sub), error)) {
            return 0;
        }
    }
    return fs::remove(folder, error) ? 1 : 0;
}
