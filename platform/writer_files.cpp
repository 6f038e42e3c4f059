#include "platform/writer_files.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>

namespace tk73 {

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process that wrote the file from its name, or 0 when the name is no such file.
pid_t writerOf(std::string_view name, std::string_view prefix, std::string_view suffix) {
    if (name.size() < prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return 0;
    }
    const std::string_view rest =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const size_t dash = rest.find('-');
    // A process id has at most nine digits, so it always fits.
    if (dash == std::string_view::npos || dash > 9 || !allDigits(rest.substr(0, dash)) ||
        !allDigits(rest.substr(dash + 1))) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
}

}  // namespace

std::string writerFilePrefix(const std::string& prefix) {
    return prefix + std::to_string(::getpid()) + "-";
}

void removeFilesOfDeadWriters(const std::string& folder, const std::string& prefix,
                              const std::string& suffix) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const pid_t writer = writerOf(entry->d_name, prefix, suffix);
        if (writer > 0 && writer != ::getpid() && ::kill(writer, 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::path(folder) / entry->d_name, ignored);
        }
    }
    ::closedir(listing);
}

}  // namespace tk73
