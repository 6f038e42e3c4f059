#include <fstream>

#include "base/folder_tree.h"
#include "base/folder_walk.h"

// The listing file holds one relative path a line, ending in LF, with the separator of the
// listed folder's path (so a listing of a folder here holds forward slashes).

namespace {

int writeListing(const char* listingFile, const char* folder, bool folders) {
    if (listingFile == nullptr || folder == nullptr) {
        return 0;
    }
    std::ofstream out(listingFile, std::ios::binary | std::ios::trunc);
    if (!out) {
        return 0;
    }
    const std::optional<tk73::FolderListing> listing = tk73::listFolder(folder);
    if (!listing) {
        return 0;
    }
    for (const std::string& path : folders ? listing->folders : listing->files) {
        out << path << '\n';
    }
    out.close();
    return out ? 1 : 0;
}

}  // namespace

int TK73_API AecrbsFindFile(const char* listing, const char* folder) {
    return writeListing(listing, folder, false);
}

int TK73_API AecrbsFindDirectory(const char* listing, const char* folder) {
    return writeListing(listing, folder, true);
}
