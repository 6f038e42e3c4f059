#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/file_replacement.h"

namespace tk73 {

std::optional<std::string> readWholeFile(const std::string& path) {
    return readFilePart(path, 0, static_cast<size_t>(-1));
}

std::optional<std::string> readFilePart(const std::string& path, size_t offset, size_t limit) {
    // Non-blocking, so that a FIFO under the name is refused at once instead of waiting for a
    // writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        (offset == 0 || ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) >= 0)) {
        bytes.emplace();
        const auto size = static_cast<size_t>(info.st_size);
        bytes->reserve(std::min(size - std::min(size, offset), limit));
        char chunk[65536];
        while (bytes->size() < limit) {
            const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, limit - bytes->size()));
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
