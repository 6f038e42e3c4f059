#pragma once
// The walk behind the folder listings and the whole-tree operations.
//
// Entries are taken in name order. Folders whose names begin with a full stop are neither listed
// nor entered. Nothing is skipped for a "system" attribute, which files here do not have. A
// symbolic link is listed as a file and never entered, so a walk never leaves the tree and a
// tree delete removes the link, not what it points to. Relative paths join their parts with the
// separator of the walked folder's path (platform/path_rule.h).

#include <optional>
#include <string>
#include <vector>

namespace tk73 {

struct FolderListing {
    // Files in the order they are met.
    std::vector<std::string> files;
    // Each sub-folder after everything below it, so deeper folders come before their parents.
    std::vector<std::string> folders;
};

// Nothing when the folder, or a folder below it, cannot be read.
std::optional<FolderListing> listFolder(const std::string& folder);

}  // namespace tk73
