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

// The desktop's type of the file and the program it associates with that type; both answers
// must be there. The file is an argument, never part of the command text.
constexpr const char* kAssociationQuery =
    "type=$(xdg-mime query filetype \"$1\" 2>/dev/null) && [ -n \"$type\" ] || exit 1\n"
    "program=$(xdg-mime query default \"$type\" 2>/dev/null) && [ -n \"$program\" ]\n";

constexpr const char* kOpenerQuery = "command -v \"$1\" >/dev/null 2>&1\n";

// Runs the script with /bin/sh and the two arguments as $1 and $2; true when it exits with 0.
bool scriptSucceeds(const char* script, const std::string& first, const std::string& second) {
    const char* arguments[] = {"sh", "-c", script, "sh", first.c_str(), second.c_str(), nullptr};
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

std::string absolutePath(const std::string& path) {
    std::error_code error;
    const std::string file = std::filesystem::absolute(path, error).string();
    return error ? std::string() : file;
}

}  // namespace

bool openWithAssociatedProgram(const std::string& path) {
    std::string opener = environmentValue("TK73_OPENER");
    if (opener.empty()) {
        opener = "xdg-open";
    }
    // An absolute path cannot be taken for an option of the opener.
    const std::string file = absolutePath(path);
    return !file.empty() && scriptSucceeds(kLauncher, opener, file);
}

bool hasAssociatedProgram(const std::string& path) {
    const std::string opener = environmentValue("TK73_OPENER");
    if (!opener.empty()) {
        return scriptSucceeds(kOpenerQuery, opener, std::string());
    }
    const std::string file = absolutePath(path);
    return !file.empty() && scriptSucceeds(kAssociationQuery, file, std::string());
}

}  // namespace tk73
