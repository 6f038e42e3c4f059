#include <filesystem>

#include "base/folder_tree.h"
#include "base/folder_walk.h"
#include "platform/path_rule.h"

namespace fs = std::filesystem;

namespace {

// The read-only attribute of Windows is the owner's missing write permission here. Folders get
// it back too: a folder without it keeps its contents from being deleted or replaced, which a
// read-only folder on Windows does not. Links are left alone, as they point out of the tree.
bool allowOwnerWrite(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error || fs::is_symlink(status)) {
        return !error;
    }
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
    return !error;
}

}  // namespace

int TK73_API AecrbsResetAttribute(const char* folder) {
    if (folder == nullptr) {
        return 0;
    }
    std::error_code error;
    if (fs::symlink_status(folder, error).type() == fs::file_type::not_found) {
        return 1;
    }
    const std::optional<tk73::FolderListing> listing = tk73::listFolder(folder);
    if (!listing || !allowOwnerWrite(folder)) {
        return 0;
    }
    for (const auto* group : {&listing->files, &listing->folders}) {
        for (const std::string& relative : *group) {
            if (!allowOwnerWrite(tk73::joinPath(folder, relative))) {
                return 0;
            }
        }
    }
    return 1;
}
