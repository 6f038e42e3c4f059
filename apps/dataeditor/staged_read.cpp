#include "apps/dataeditor/staged_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace tk73edit {

namespace {

// Reads count bytes at the offset; false on an error or an early end of the file.
bool readAt(int fd, char* target, size_t count, size_t offset) {
    while (count > 0) {
        const ssize_t got = ::pread(fd, target, count, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        target += got;
        count -= static_cast<size_t>(got);
        offset += static_cast<size_t>(got);
    }
    return true;
}

}  // namespace

StagedRead& StagedRead::operator=(StagedRead&& other) noexcept {
    if (this != &other) {
        Finish();
        headEnd_ = other.headEnd_;
        tailStart_ = other.tailStart_;
        rest_ = std::move(other.rest_);
        other.headEnd_ = kAll;
        other.tailStart_ = 0;
    }
    return *this;
}

bool StagedRead::Start(const std::string& path, tk73pgm::FileBuffer& buffer) {
    Finish();
    // Non-blocking, so that a FIFO under the name is refused at once instead of waiting for a
    // writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > tk73pgm::kMaxProgramFileSize) {
        ::close(fd);
        return false;
    }
    const auto size = static_cast<size_t>(info.st_size);
    auto bytes = std::make_unique_for_overwrite<char[]>(size + 1 + tk73pgm::kFileBufferPadding);
    const bool staged = size > 4 * kEdge;
    const size_t head = staged ? kEdge : size;
    const size_t tail = staged ? size - kEdge : size;
    if (!readAt(fd, bytes.get(), head, 0) || !readAt(fd, bytes.get() + tail, size - tail, tail)) {
        ::close(fd);
        return false;
    }
    std::memset(bytes.get() + size, 0, 1 + tk73pgm::kFileBufferPadding);
    char* middle = bytes.get() + head;
    bool started = false;
    if (staged) {
        try {
            rest_ = std::async(std::launch::async, [fd, middle, count = tail - head, head] {
                const bool read = readAt(fd, middle, count, head);
                ::close(fd);
                return read;
            });
            started = true;
        } catch (const std::system_error&) {
            // No thread to be had: the middle is read here and now.
        }
    }
    if (!started) {
        const bool read = readAt(fd, middle, tail - head, head);
        ::close(fd);
        if (!read) {
            return false;
        }
    }
    headEnd_ = started ? head : kAll;
    tailStart_ = started ? tail : 0;
    buffer.bytes = std::move(bytes);
    buffer.size = size;
    return true;
}

bool StagedRead::Finish() {
    if (rest_.valid() && rest_.get()) {
        headEnd_ = kAll;
        tailStart_ = 0;
    }
    return headEnd_ == kAll;
}

}  // namespace tk73edit
