#include "platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tk73 {

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, so that a failed close (a full disk) is seen.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool copyBytes(int from, int to) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t read = ::read(from, buffer, sizeof buffer);
        if (read == 0) {
            return true;
        }
        if (read < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        for (ssize_t written = 0; written < read;) {
            const ssize_t step = ::write(to, buffer + written, static_cast<size_t>(read - written));
            if (step < 0 && errno != EINTR) {
                return false;
            }
            written += step > 0 ? step : 0;
        }
    }
}

}  // namespace

bool copyFileAsNew(const std::string& source, const std::string& target, bool overwrite) {
    Descriptor from(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat sourceStatus {};
    if (from.get() < 0 || ::fstat(from.get(), &sourceStatus) != 0 ||
        !S_ISREG(sourceStatus.st_mode)) {
        return false;
    }
    struct stat targetStatus {};
    const bool existed = ::stat(target.c_str(), &targetStatus) == 0;
    if (existed && (!overwrite || (targetStatus.st_dev == sourceStatus.st_dev &&
                                   targetStatus.st_ino == sourceStatus.st_ino))) {
        return false;
    }
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (existed ? 0 : O_EXCL);
    Descriptor to(::open(target.c_str(), flags, 0666));
    if (to.get() < 0) {
        return false;
    }
    struct stat copied {};
    bool done = copyBytes(from.get(), to.get()) && ::fstat(to.get(), &copied) == 0;
    if (done && (sourceStatus.st_mode & S_IWUSR) == 0) {
        done = ::fchmod(to.get(), copied.st_mode & 07555) == 0;
    }
    done = to.close() && done;
    if (!done && !existed) {
        ::unlink(target.c_str());
    }
    return done;
}

}  // namespace tk73
