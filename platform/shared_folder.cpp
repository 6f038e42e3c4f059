#include "platform/shared_folder.h"

#include <sys/stat.h>

#include <cerrno>

namespace tk73 {

bool createSharedFolder(const std::string& path) {
    // On Windows a folder the suite creates grants full control to everyone, inherited by its
    // contents, so that every user of the machine can work on the shared store data. Here the
    // folder is created with mode 0775 and the process's umask applies: members of the owning
    // group get full access when the installation runs the suite with a group-friendly umask
    // (002) in a folder of the suite's group, and nothing ever becomes writable for every local
    // user by accident. The mode is not forced afterwards, so an administrator's umask wins.
    if (::mkdir(path.c_str(), 0775) == 0) {
        return true;
    }
    struct stat existing {};
    return errno == EEXIST && ::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode);
}

}  // namespace tk73
