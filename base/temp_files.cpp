#include "base/temp_files.h"

#include <cstdio>

#include "base/install_folders.h"
#include "base/out_buffer.h"
#include "base/system_temp_folder.h"
#include "base/unique_file.h"
#include "platform/local_time.h"
#include "platform/path_rule.h"

namespace {

// Month, day, hour, minute and second of now, two digits each.
std::string timeStamp() {
    const std::tm now = tk73::localTimeNow();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d%02d%02d%02d%02d", now.tm_mon + 1, now.tm_mday,
                  now.tm_hour, now.tm_min, now.tm_sec);
    return stamp;
}

std::string tempFolder(int useSystemFolder) {
    if (useSystemFolder != 0) {
        return tk73::systemTempFolder();
    }
    char folder[TK73_MAX_PATH];
    return AecrbsGetTempPath(folder) != 0 ? std::string(folder) : std::string();
}

}  // namespace

int TK73_API AecrbsMakeTempFileEx(char* out, const char* prefix, const char* extension,
                                  int useSystemFolder) {
    if (out == nullptr) {
        return 0;
    }
    out[0] = '\0';
    std::string folder = tempFolder(useSystemFolder);
    if (folder.empty()) {
        return 0;
    }
    if (!tk73::endsWithSeparator(folder)) {
        folder += tk73::pathSeparatorOf(folder);
    }
    const std::string stem = prefix != nullptr && prefix[0] != '\0' ? prefix : "Aecr";
    const std::string tail = extension != nullptr ? extension : "";
    const std::string stamp = timeStamp();
    // Refuse before creating anything when the name would not fit the out path.
    if (folder.size() + stem.size() + stamp.size() + 4 + tail.size() >= TK73_MAX_PATH) {
        return 0;
    }
    return tk73::putPath(out, tk73::createUniqueFile(folder, stem, stamp, tail));
}

int TK73_API AecrbsMakeTempFile(char* out, const char* prefix, const char* extension) {
    return AecrbsMakeTempFileEx(out, prefix, extension, 0);
}
