#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/folder_walk.h"
#include "platform/path_rule.h"

int TK73_API AecrbsCopyDirectory(const char* source, const char* target) {
    if (source == nullptr || target == nullptr) {
        return 0;
    }
    // The source is listed before the target is made, so a target inside the source is not
    // copied into itself.
    const std::optional<tk73::FolderListing> listing = tk73::listFolder(source);
    if (!listing || AecrbsMakeDirectory(target) == 0) {
        return 0;
    }
    for (const std::string& folder : listing->folders) {
        if (AecrbsMakeDirectory(tk73::joinPath(target, folder).c_str()) == 0) {
            return 0;
        }
    }
    for (const std::string& file : listing->files) {
        if (AecrbsCopyFile(tk73::joinPath(source, file).c_str(),
                           tk73::joinPath(target, file).c_str(), 0) == 0) {
            return 0;
        }
    }
    return 1;
}
