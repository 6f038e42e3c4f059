#include "platform/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/environment.h"
#include "platform/known_folders.h"

namespace tk73 {

namespace {

constexpr size_t kLongestName = 200;

bool isPrivateFolder(const std::string& path) {
    struct stat status = {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

}  // namespace

std::string runtimeFolder() {
    const std::string session = environmentValue("XDG_RUNTIME_DIR");
    if (!session.empty()) {
        return session;
    }
    const std::string temp = knownFolderPath(KnownFolder::Temp);
    if (temp.empty()) {
        return {};
    }
    const std::string folder = temp + "/tk73-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    return isPrivateFolder(folder) ? folder : std::string();
}

std::string runtimeObjectPath(std::string_view name, std::string_view suffix) {
    if (name.empty() || name.size() > kLongestName) {
        return {};
    }
    const std::string folder = runtimeFolder();
    if (folder.empty()) {
        return {};
    }
    std::string path = folder + "/";
    for (const char c : name) {
        path += isNameCharacter(c) ? c : '_';
    }
    path += suffix;
    return path;
}

}  // namespace tk73
