#include "base/store_folders.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "base/database_frame_state.h"
#include "base/date_time.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "platform/path_rule.h"

namespace {

std::optional<std::string> storeFolder(const DBC* frame, int store) {
    if (frame == nullptr || store < 0 || store > 999) {
        return std::nullopt;
    }
    char name[8];
    std::snprintf(name, sizeof name, "S%03d", store);
    return tk73::joinPath(frame->databaseFolder, name);
}

}  // namespace

int TK73_API AecrdbCopyStoreFolder(DBC* dbc, int source, int target) {
    const std::optional<std::string> from = storeFolder(dbc, source);
    const std::optional<std::string> to = storeFolder(dbc, target);
    if (!from || !to || source == target || AecrbsCheckDirectory(from->c_str()) == 0) {
        return 0;
    }
    return AecrbsMakeDirectory(to->c_str()) != 0 &&
                   AecrbsCopyDirectory(from->c_str(), to->c_str()) != 0 &&
                   AecrbsResetAttribute(to->c_str()) != 0
               ? 1
               : 0;
}

int TK73_API AecrdbDeleteStoreFolder(DBC* dbc, int store, int part) {
    std::optional<std::string> folder = storeFolder(dbc, store);
    if (!folder) {
        return 0;
    }
    if (part == 1 || part == 2) {
        folder = tk73::joinPath(*folder, part == 1 ? "M001" : "O001");
    }
    if (AecrbsCheckDirectory(folder->c_str()) == 0) {
        return 1;
    }
    char now[15];
    AecrbsGetYYYYMMDDhhmmss(now);
    const std::string renamed = *folder + "_" + now;
    std::error_code error;
    if (AecrbsResetAttribute(folder->c_str()) == 0) {
        return 0;
    }
    std::filesystem::rename(*folder, renamed, error);
    if (error) {
        return 0;
    }
    return AecrbsDeleteDirectory(renamed.c_str());
}
