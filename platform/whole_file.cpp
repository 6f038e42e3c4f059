#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/writer_files.h"

namespace tk73 {

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The file a write must replace: a symbolic link is followed, so that renaming the new file into
// place does not turn the link into a plain file.
std::string replacedFile(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

const char kTemporaryMark[] = ".tmp";

// A new file beside the target with a name no other writer uses. It is created with the
// permissions of a new file under the process's umask.
int createTemporary(const std::string& target, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary =
            writerFilePrefix(target + kTemporaryMark) + std::to_string(counter.fetch_add(1));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The folder that holds the target, with its separator, and the target's name in it.
std::string folderOf(const std::string& target) {
    const size_t slash = target.rfind('/');
    return slash == std::string::npos ? "." : target.substr(0, slash + 1);
}

std::string nameOf(const std::string& target) {
    const size_t slash = target.rfind('/');
    return slash == std::string::npos ? target : target.substr(slash + 1);
}

// The rename is only durable once the folder that holds the name is flushed as well.
void flushFolderOf(const std::string& target) {
    const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A writer killed between creating its temporary file and renaming it leaves the file behind;
// without this a store's folder would collect them for ever and backups would copy them.
void removeLeftoversOf(const std::string& target) {
    removeFilesOfDeadWriters(folderOf(target), nameOf(target) + kTemporaryMark);
}

// A replaced file keeps its permissions.
bool keepPermissions(int fd, const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        return true;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    // Non-blocking, so that a FIFO under the name is refused at once instead of waiting for a
    // writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.emplace();
        bytes->reserve(static_cast<size_t>(info.st_size));
        char chunk[65536];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                bytes.reset();
                break;
            }
            if (got == 0) {
                break;
            }
            bytes->append(chunk, static_cast<size_t>(got));
        }
    }
    ::close(fd);
    return bytes;
}

bool pathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool replaceWholeFile(const std::string& path, std::string_view bytes) {
    const std::string target = replacedFile(path);
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return false;
    }
    bool written = keepPermissions(fd, target) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    removeLeftoversOf(target);
    flushFolderOf(target);
    return true;
}

}  // namespace tk73
