#include "network/trace_writer.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <thread>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "platform/local_time.h"

namespace tk73net {
namespace {

constexpr uint64_t kDefaultMaxSize = 104857600;
constexpr const char* kLevelNames[] = {"ERROR", "WARNING", "INFO", "DEBUG", "DEBUG2", "DEBUG3"};

std::mutex g_traceLock;

uint32_t traceValue(const char* name) {
    uint32_t value = 0;
    AecrbsGetRegistryLocalMachineSystemValueDW(kTraceKey, &value, name);
    return value;
}

std::string traceFolder() {
    char folder[TK73_MAX_PATH] = {};
    AecrbsGetRegistryLocalMachineSystemString(kTraceKey, folder, sizeof folder, "Path");
    if (folder[0] == '\0') {
        AecrbsGetTempPath(folder);
    }
    std::string text = folder;
    if (!text.empty() && text.back() != '/') {
        text += '/';
    }
    return text;
}

// Deleting a ".bak" that another process still holds may fail for a moment.
void removeWithRetries(const std::string& file) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (std::remove(file.c_str()) == 0 || errno == ENOENT) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
}

}  // namespace

CTK73netTrace::CTK73netTrace(TK73APC* context, std::string name, std::string suffix)
    : context_(context) {
    path_ = traceFolder() + name + suffix + ".log";
    level_ = traceValue("Level");
    mode_ = traceValue("Mode");
    maxSize_ = traceValue("MaxSize");
    if (maxSize_ == 0) {
        maxSize_ = kDefaultMaxSize;
    }
}

void CTK73netTrace::rotateWhenFull() const {
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0 || static_cast<uint64_t>(info.st_size) <= maxSize_) {
        return;
    }
    const std::string backup = path_ + ".bak";
    removeWithRetries(backup);
    std::rename(path_.c_str(), backup.c_str());
}

void CTK73netTrace::write(int level, const char* format, ...) {
    if (mode_ != 1 || level < 0 || static_cast<uint32_t>(level) > level_ || level > kTraceDebug3) {
        return;
    }
    const int savedErrno = errno;
    ErrorHold hold(context_);
    {
        std::lock_guard<std::mutex> guard(g_traceLock);
        rotateWhenFull();
        if (FILE* file = std::fopen(path_.c_str(), "ab")) {
            const std::tm now = tk73::localTimeNow();
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count() %
                            1000;
            // The precision pads with zeros as the line prefix's "%0.4d" fields do.
            std::fprintf(file, "%.4d-%.2d-%.2d %.2d:%.2d:%.2d:%.3d,%s,%d,%d,", now.tm_year + 1900,
                         now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec,
                         static_cast<int>(ms), kLevelNames[level], static_cast<int>(getpid()),
                         static_cast<int>(::syscall(SYS_gettid)));
            va_list arguments;
            va_start(arguments, format);
            std::vfprintf(file, format, arguments);
            va_end(arguments);
            std::fputc('\n', file);
            std::fclose(file);
        }
    }
    errno = savedErrno;
}

}  // namespace tk73net
