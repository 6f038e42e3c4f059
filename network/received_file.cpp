#include "network/received_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace tk73net {

namespace {

// Large enough that a 10 MB file costs a handful of writes, small enough that the last piece
// flushes quickly.
constexpr size_t kPiece = size_t{1} << 20;
constexpr int kNameAttempts = 100;

bool writeAll(int fd, const uint8_t* bytes, size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

// The file that a rename must replace: the one a symbolic link names.
std::string resolved(const std::string& path) {
    struct stat link {};
    char real[PATH_MAX];
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
        ::realpath(path.c_str(), real) != nullptr) {
        return real;
    }
    return path;
}

int createBeside(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = target + ".tmp" + std::to_string(::getpid()) + "-" +
               std::to_string(counter.fetch_add(1));
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool keepPermissions(int fd, const std::string& target) {
    struct stat old {};
    return ::stat(target.c_str(), &old) != 0 || ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The rename lasts only once the folder that holds the name is flushed as well.
void flushFolderOf(const std::string& target) {
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

ReceivedFile ReceivedFile::Replacing(const std::string& target) {
    ReceivedFile file;
    file.kind_ = Kind::Replacement;
    file.target_ = target;
    return file;
}

ReceivedFile ReceivedFile::Scratch(const std::string& path) {
    ReceivedFile file;
    file.kind_ = Kind::Scratch;
    file.target_ = path;
    return file;
}

ReceivedFile::ReceivedFile(ReceivedFile&& other) noexcept {
    *this = std::move(other);
}

ReceivedFile& ReceivedFile::operator=(ReceivedFile&& other) noexcept {
    if (this != &other) {
        Discard();
        kind_ = std::exchange(other.kind_, Kind::None);
        target_ = std::move(other.target_);
        path_ = std::exchange(other.path_, std::string());
        fd_ = std::exchange(other.fd_, -1);
        failed_ = std::exchange(other.failed_, false);
        written_ = std::exchange(other.written_, 0);
        pending_ = std::move(other.pending_);
    }
    return *this;
}

ReceivedFile::~ReceivedFile() {
    Discard();
}

void ReceivedFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!path_.empty()) {
        ::unlink(path_.c_str());
        path_.clear();
    }
}

bool ReceivedFile::Open() {
    if (kind_ == Kind::Replacement) {
        target_ = resolved(target_);
        fd_ = createBeside(target_, path_);
    } else if (kind_ == Kind::Scratch && !target_.empty()) {
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        path_ = target_;
    }
    if (fd_ < 0) {
        path_.clear();
        return false;
    }
    pending_.reserve(kPiece);
    return true;
}

void ReceivedFile::Append(const uint8_t* bytes, size_t count) {
    if (failed_ || count == 0) {
        return;
    }
    if (fd_ < 0 && !Open()) {
        failed_ = true;
        return;
    }
    while (count > 0) {
        const size_t part = std::min(count, kPiece - pending_.size());
        pending_.insert(pending_.end(), bytes, bytes + part);
        bytes += part;
        count -= part;
        if (pending_.size() == kPiece && !Flush()) {
            failed_ = true;
            return;
        }
    }
}

bool ReceivedFile::Flush() {
    if (!writeAll(fd_, pending_.data(), pending_.size())) {
        return false;
    }
    if (kind_ == Kind::Replacement) {
        // Only starts the writing out; the flush at the end waits for whatever is left.
        ::sync_file_range(fd_, static_cast<off_t>(written_), static_cast<off_t>(pending_.size()),
                          SYNC_FILE_RANGE_WRITE);
    }
    written_ += pending_.size();
    pending_.clear();
    return true;
}

bool ReceivedFile::Commit() {
    if (fd_ < 0 && !failed_ && !Open()) {
        failed_ = true;
    }
    bool done = !failed_ && Flush();
    if (done && kind_ == Kind::Replacement) {
        done = ::fsync(fd_) == 0 && keepPermissions(fd_, target_);
    }
    if (fd_ >= 0) {
        done = ::close(std::exchange(fd_, -1)) == 0 && done;
    }
    if (done && kind_ == Kind::Replacement) {
        done = ::rename(path_.c_str(), target_.c_str()) == 0;
        if (done) {
            path_.clear();
            flushFolderOf(target_);
        }
    }
    if (!done) {
        Discard();
    }
    return done;
}

}  // namespace tk73net
