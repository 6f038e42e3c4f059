#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_replacement.h"

namespace tk73 {

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

bool replaceWholeFile(const std::string& path, std::string_view bytes,
                      FileReplacement::Durability durability) {
    FileReplacement replacement(path);
    replacement.append(bytes);
    return replacement.commit(durability);
}

}  // namespace tk73
