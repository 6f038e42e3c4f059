#include "base/folder_walk.h"

#include <algorithm>
#include <filesystem>

#include "platform/path_rule.h"

namespace fs = std::filesystem;

namespace tk73 {

namespace {

bool walk(const fs::path& folder, const std::string& relative, char separator,
          FolderListing& listing) {
    std::error_code error;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(*it);
    }
    if (error) {
        return false;
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.path().filename() < b.path().filename();
    });
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        const std::string path = relative.empty() ? name : relative + separator + name;
        const fs::file_status status = entry.symlink_status(error);
        if (error) {
            return false;
        }
        if (!fs::is_directory(status)) {
            listing.files.push_back(path);
            continue;
        }
        if (name.front() == '.') {
            continue;
        }
        if (!walk(entry.path(), path, separator, listing)) {
            return false;
        }
        listing.folders.push_back(path);
    }
    return true;
}

}  // namespace

std::optional<FolderListing> listFolder(const std::string& folder) {
    FolderListing listing;
    if (folder.empty() || !walk(fs::path(folder), {}, pathSeparatorOf(folder), listing)) {
        return std::nullopt;
    }
    return listing;
}

}  // namespace tk73
