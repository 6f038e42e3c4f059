#include "platform/removable_volumes.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/environment.h"

namespace tk73 {

namespace {

std::string userName() {
    std::string name = environmentValue("USER");
    if (name.empty()) {
        if (const passwd* entry = getpwuid(getuid())) {
            name = entry->pw_name;
        }
    }
    return name;
}

std::vector<std::string> mediaFolders() {
    std::vector<std::string> folders;
    const std::string listed = environmentValue("TK73_MEDIA_FOLDERS");
    if (!listed.empty()) {
        size_t start = 0;
        while (start <= listed.size()) {
            const size_t end = std::min(listed.find(':', start), listed.size());
            if (end > start) {
                folders.push_back(listed.substr(start, end - start));
            }
            start = end + 1;
        }
        return folders;
    }
    const std::string user = userName();
    if (!user.empty()) {
        folders = {"/media/" + user, "/run/media/" + user};
    }
    return folders;
}

}  // namespace

std::vector<std::string> removableVolumes() {
    namespace fs = std::filesystem;
    std::vector<std::string> volumes;
    for (const std::string& folder : mediaFolders()) {
        std::vector<std::string> inFolder;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            std::error_code kindError;
            if (!name.empty() && name[0] != '.' && it->is_directory(kindError)) {
                inFolder.push_back(it->path().generic_string());
            }
        }
        std::sort(inFolder.begin(), inFolder.end());
        volumes.insert(volumes.end(), inFolder.begin(), inFolder.end());
    }
    return volumes;
}

}  // namespace tk73
