#include "platform/shell_open.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>

#include "platform/environment.h"

extern char** environ;

namespace tk73 {

namespace {

// A short-lived shell checks that the opener exists, starts it in the background with no
// terminal streams and ends at once, so the opener is re-parented and never left as a zombie
// of this process. The file is an argument of its own, never part of the command text.
constexpr const char* kLauncher =
    "command -v \"$1\" >/dev/null 2>&1 || exit 127\n"
    "\"$1\" \"$2\" </dev/null >/dev/null 2>&1 &\n";

}  // namespace

bool openWithAssociatedProgram(const std::string& path) {
    std::string opener = environmentValue("TK73_OPENER");
    if (opener.empty()) {
        opener = "xdg-open";
    }
    // An absolute path cannot be taken for an option of the opener.
    std::error_code error;
    const std::string file = std::filesystem::absolute(path, error).string();
    if (error) {
        return false;
    }
    const char* arguments[] = {"sh", "-c", kLauncher, "sh", opener.c_str(), file.c_str(), nullptr};
    pid_t shell = 0;
    if (posix_spawn(&shell, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(arguments),
                    environ) != 0) {
        return false;
    }
    int status = 0;
    while (waitpid(shell, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace tk73
