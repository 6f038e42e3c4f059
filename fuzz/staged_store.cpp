#include "fuzz/staged_store.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "base/registry_settings.h"
#include "platform/api.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/store_life_cycle.h"
#include "tools/stager/stage_installation.h"

namespace tk73fuzz {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kProfessionalMode = 2;

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "staged store: %s failed\n", what);
        abort();
    }
}

timespec changeTime(const std::string& folder) {
    struct stat status {};
    require(stat(folder.c_str(), &status) == 0, "stat of the store folder");
    return status.st_mtim;
}

}  // namespace

void stageInstallation(const std::string& root) {
    std::vector<std::string> log;
    std::string error;
    const std::string stage = root + "/stage";
    require(tk73tools::stageInstallation(
                {tk73tools::shippedInstallation(), stage, kProfessionalMode, false}, log, error),
            "staging the installation");
    setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(stage).c_str(), 1);
    // The first model table made creates the database folder.
    CTK73edbModel models;
}

int createCurrentStore(int regModelNo, int vekModelNo) {
    STORE_EDB store;
    store.storeName = "Corner Market";
    store.regModelNo = regModelNo;
    store.vekModelNo = vekModelNo;
    store.changeBusinessDay = "0000";
    require(tk73store::CreateStore(store) == 1, "creating a store");
    require(CTK73pgmPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1) == 1,
            "copying the register's default files");
    require(
        vekModelNo == 0 || CTK73pgmVekPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1) == 1,
        "copying the controller's default files");
    char number[16] = {};
    std::snprintf(number, sizeof number, "%03d", store.storeNo);
    require(AecrbsSetDesktopRegister("001", number, "001") == 1, "selecting the store");
    return store.storeNo;
}

std::string mainteFolder(int storeNo, int kind) {
    char folder[TK73_MAX_PATH] = {};
    require((kind == 0 ? CTK73pgmPgmFile(storeNo).GetMaintePath(folder, 1)
                       : CTK73pgmVekPgmFile(storeNo).GetMaintePath(folder, 1)) == 1,
            "finding the maintenance folder");
    return folder;
}

FolderSnapshot::FolderSnapshot(std::string folder) : folder_(std::move(folder)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
        if (entry.is_regular_file()) {
            files_[entry.path().filename().string()] =
                tk73::readWholeFile(entry.path().string()).value_or("");
        }
    }
    changed_ = changeTime(folder_);
}

void FolderSnapshot::restoreWhenChanged() {
    const timespec now = changeTime(folder_);
    if (now.tv_sec == changed_.tv_sec && now.tv_nsec == changed_.tv_nsec) {
        return;
    }
    std::vector<fs::path> strangers;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
        if (entry.is_regular_file() && files_.count(entry.path().filename().string()) == 0) {
            strangers.push_back(entry.path());
        }
    }
    for (const fs::path& path : strangers) {
        fs::remove(path);
    }
    for (const auto& [name, bytes] : files_) {
        const std::string path = folder_ + "/" + name;
        if (tk73::readWholeFile(path) != bytes) {
            require(tk73::replaceWholeFile(path, bytes), "putting a store file back");
        }
    }
    changed_ = changeTime(folder_);
}

}  // namespace tk73fuzz
