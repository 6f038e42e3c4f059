#include "platform/line_append.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tk73 {

bool appendWhole(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    struct stat before {};
    bool ok = ::fstat(fd, &before) == 0;
    size_t written = 0;
    while (ok && written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        ok = result > 0;
        written += ok ? static_cast<size_t>(result) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    if (!ok && written > 0) {
        // Half a line would read as a damaged entry: the file keeps only what it had.
        (void)::ftruncate(fd, before.st_size);
    }
    ::close(fd);
    return ok;
}

}  // namespace tk73
