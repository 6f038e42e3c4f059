#include "platform/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

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

FileReplacement::FileReplacement(const std::string& path)
    : target_(replacedFile(path)), fd_(createTemporary(target_, temporary_)) {
    if (fd_ < 0) {
        temporary_.clear();
    }
}

FileReplacement::~FileReplacement() {
    discard();
}

void FileReplacement::discard() {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

void FileReplacement::append(std::string_view bytes) {
    failed_ = failed_ || fd_ < 0 || !writeAll(fd_, bytes);
}

void FileReplacement::startWriteOut() {
    if (ok()) {
        ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
}

bool FileReplacement::commit(Durability durability) {
    const bool flushed = durability == Durability::Flushed;
    bool written = ok() && keepPermissions(fd_, target_) && (!flushed || ::fsync(fd_) == 0);
    if (fd_ >= 0) {
        written = ::close(std::exchange(fd_, -1)) == 0 && written;
    }
    if (!written || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    temporary_.clear();
    removeLeftoversOf(target_);
    if (flushed) {
        flushFolderOf(target_);
    }
    return true;
}

}  // namespace tk73
