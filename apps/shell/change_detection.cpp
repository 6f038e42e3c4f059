#include "apps/shell/change_detection.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_store.h"

namespace tk73hub {

namespace {

// "FILE*P.TXT" without regard to letter case.
bool isProgramFileName(const std::string& name) {
    constexpr std::string_view head = "FILE";
    constexpr std::string_view tail = "P.TXT";
    if (name.size() < head.size() + tail.size()) {
        return false;
    }
    auto matches = [&](std::string_view part, size_t at) {
        for (size_t i = 0; i < part.size(); ++i) {
            if (std::toupper(static_cast<unsigned char>(name[at + i])) != part[i]) {
                return false;
            }
        }
        return true;
    };
    return matches(head, 0) && matches(tail, name.size() - tail.size());
}

bool mainteFolderChanged(const CTK73pgmRegVekPgmFile& files, LastTime time) {
    char folder[TK73_MAX_PATH] = {};
    return files.GetMaintePath(folder, 0) != 0 && HasProgramFileWrittenAfter(folder, time);
}

}  // namespace

bool HasProgramFileWrittenAfter(const std::string& folder, LastTime time) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator entries(fs::path(folder), error);
    if (error) {
        return false;
    }
    for (const fs::directory_entry& entry : entries) {
        if (!entry.is_regular_file(error) || !isProgramFileName(entry.path().filename().string())) {
            continue;
        }
        const fs::file_time_type written = entry.last_write_time(error);
        if (!error && std::chrono::file_clock::to_sys(written) > time) {
            return true;
        }
    }
    return false;
}

bool StoreChangedSince(int storeNo, LastTime time) {
    if (mainteFolderChanged(CTK73pgmPgmFile(storeNo), time)) {
        return true;
    }
    int withVek = 0;
    int linked = 0;
    // A store not in the table has no controller (both stay 0).
    (void)CTK73edbStore().GetWithVek(storeNo, &withVek, &linked);
    return withVek == 1 && linked == 1 && mainteFolderChanged(CTK73pgmVekPgmFile(storeNo), time);
}

}  // namespace tk73hub
