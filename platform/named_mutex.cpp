#include "platform/named_mutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/runtime_folder.h"

namespace tk73 {

namespace {

int tryLock(int fd) {
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result;
}

// The process id written by the owner; 0 when the file holds none (yet).
uint32_t readHolder(int fd) {
    char text[16] = {};
    const ssize_t count = ::pread(fd, text, sizeof(text) - 1, 0);
    uint64_t pid = 0;
    for (ssize_t i = 0; i < count && text[i] >= '0' && text[i] <= '9'; ++i) {
        pid = pid * 10 + static_cast<uint64_t>(text[i] - '0');
        if (pid > UINT32_MAX) {
            return 0;
        }
    }
    return static_cast<uint32_t>(pid);
}

void writeHolder(int fd) {
    const std::string text = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) {
        // A missing id only keeps a second start from raising this window; the mutex holds.
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, text.data(), text.size(), 0);
    }
}

}  // namespace

NamedMutex::NamedMutex(std::string_view name) {
    const std::string path = runtimeObjectPath(name, ".lock");
    if (path.empty()) {
        return;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return;
    }
    if (tryLock(fd) == 0) {
        fd_ = fd;
        state_ = State::Owned;
        writeHolder(fd);
        return;
    }
    if (errno == EWOULDBLOCK) {
        state_ = State::HeldElsewhere;
        holder_ = readHolder(fd);
    }
    ::close(fd);
}

NamedMutex::~NamedMutex() {
    release();
}

void NamedMutex::release() {
    if (fd_ >= 0) {
        // Still under the lock: the next owner's second starts never read this process's id.
        [[maybe_unused]] const int emptied = ::ftruncate(fd_, 0);
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace tk73
