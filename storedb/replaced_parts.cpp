#include "storedb/replaced_parts.h"

#include <filesystem>
#include <system_error>

#include "base/date_time.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "storedb/store_folder.h"

namespace tk73store {

namespace {

bool deleteTree(const std::string& folder) {
    return AecrbsResetAttribute(folder.c_str()) != 0 && AecrbsDeleteDirectory(folder.c_str()) != 0;
}

bool moveFolder(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

}  // namespace

bool ReplacedParts::SetAside(int kind) {
    Part part{storeMachineFolderPath(storeNo_, kind), {}};
    if (part.folder.empty()) {
        return false;
    }
    if (AecrbsCheckDirectory(part.folder.c_str()) != 0) {
        char now[15] = {};
        AecrbsGetYYYYMMDDhhmmss(now);
        part.aside = part.folder + "_" + now;
        // A name that is taken already is never overwritten.
        if (AecrbsCheckDirectory(part.aside.c_str()) != 0 || !moveFolder(part.folder, part.aside)) {
            return false;
        }
    }
    parts_.push_back(part);
    return true;
}

void ReplacedParts::PutBack() {
    for (const Part& part : parts_) {
        if (deleteTree(part.folder) && !part.aside.empty()) {
            moveFolder(part.aside, part.folder);
        }
    }
    parts_.clear();
}

void ReplacedParts::Discard() {
    for (const Part& part : parts_) {
        if (!part.aside.empty()) {
            deleteTree(part.aside);
        }
    }
    parts_.clear();
}

}  // namespace tk73store
