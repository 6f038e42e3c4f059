#include "apps/editors/testing/staged_store.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "operations/active_store_info.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/copy_pgm_files_notice.h"
#include "storedb/store_life_cycle.h"
#include "tools/stager/stage_installation.h"

namespace tk73editortest {

namespace {

std::string fileName(int fileNo) {
    char name[16];
    std::snprintf(name, sizeof(name), "/FILE%03dP.TXT", fileNo);
    return name;
}

}  // namespace

StagedStore::StagedStore(const tk73test::TempEnvironment& environment, int regModelNo,
                         int vekModelNo) {
    if (!stage(environment) || !createStore(regModelNo, vekModelNo)) {
        return;
    }
    for (const int target : {kRegister, kController}) {
        if (target == kController && vekModelNo == 0) {
            continue;
        }
        char ini[TK73_MAX_PATH] = {};
        char mainte[TK73_MAX_PATH] = {};
        char defaults[TK73_MAX_PATH] = {};
        if (!CTK73opsActiveStoreInfo().GetPathInfo(ini, mainte, defaults, target)) {
            error_ = "the active store has no paths";
            return;
        }
        paths_[target] = {ini, mainte, defaults};
    }
}

bool StagedStore::stage(const tk73test::TempEnvironment& environment) {
    const std::string target = environment.path("stage");
    std::vector<std::string> log;
    // The default layout: the register tool works on store 1.
    const tk73tools::StageRequest request{tk73tools::shippedInstallation(), target, 0, false};
    if (!tk73tools::stageInstallation(request, log, error_)) {
        return false;
    }
    // The temporary environment puts the variable back when the test ends.
    setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(target).c_str(), 1);
    return true;
}

int createStoreWithDefaults(const std::string& name, int regModelNo, int vekModelNo) {
    // What the shell does when the store configuration asks for the default program files.
    const tk73store::CopyPgmFilesHandler previous =
        tk73store::SetCopyPgmFilesHandler([](int storeNo, int kinds) {
            if (kinds != tk73store::kCopyPgmFilesVek) {
                CTK73pgmPgmFile(storeNo).CopyPgmFileDefaultToMainte(-1, 1);
            }
            if (kinds != tk73store::kCopyPgmFilesRegister) {
                CTK73pgmVekPgmFile(storeNo).CopyPgmFileDefaultToMainte(-1, 1);
            }
        });
    STORE_EDB store;
    store.storeName = name;
    store.regModelNo = regModelNo;
    store.vekModelNo = vekModelNo;
    store.vekLinkage = vekModelNo != 0 ? '0' : '1';
    const int created = tk73store::CreateStore(store);
    tk73store::SetCopyPgmFilesHandler(previous);
    return created ? store.storeNo : 0;
}

bool StagedStore::createStore(int regModelNo, int vekModelNo) {
    storeNo_ = createStoreWithDefaults("Corner Market", regModelNo, vekModelNo);
    if (storeNo_ == 0) {
        error_ = "the store cannot be created";
        return false;
    }
    return true;
}

int StagedStore::open(tk73editor::PgmMenuContext& context, int target) const {
    const StorePaths& paths = paths_[target];
    return context.Open(paths.definitionFile, paths.mainteFolder, paths.defaultFolder);
}

std::string StagedStore::mainteFile(int target, int fileNo) const {
    return paths_[target].mainteFolder + fileName(fileNo);
}

std::string StagedStore::mainte(int target, int fileNo) const {
    return tk73test::TempEnvironment::readFile(mainteFile(target, fileNo));
}

void StagedStore::setMainte(int target, int fileNo, const std::string& bytes) const {
    tk73test::TempEnvironment::writeFile(mainteFile(target, fileNo), bytes);
}

}  // namespace tk73editortest
