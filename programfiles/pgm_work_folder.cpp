// Names of the editors' working folders.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

#include "base/file_utils.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_handle.h"

int CPgmHandle::CreateWorkFolderName(const char* folder, char* out) {
    static std::mutex guard;
    static unsigned lastTick = 0;
    static bool handedOut = false;
    if (folder == nullptr || out == nullptr || std::strlen(folder) >= TK73_MAX_PATH) {
        return 0;
    }
    const std::lock_guard<std::mutex> lock(guard);
    while (true) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        const auto tick = static_cast<unsigned>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
        char path[TK73_MAX_PATH];
        char name[32];
        std::snprintf(name, sizeof name, "$PgmHdl_%.8x$", tick);
        std::memcpy(path, folder, std::strlen(folder) + 1);
        if (!AecrbsAddPath(path, name)) {
            return 0;
        }
        if ((!handedOut || tick != lastTick) && !tk73::pathExists(path)) {
            lastTick = tick;
            handedOut = true;
            std::memcpy(out, path, std::strlen(path) + 1);
            return 1;
        }
        // The next millisecond gives the next name.
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}
