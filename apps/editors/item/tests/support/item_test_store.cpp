#include "apps/editors/item/tests/support/item_test_store.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "operations/active_store_info.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/store_life_cycle.h"
#include "tools/stager/stage_installation.h"

namespace tk73itemtest {

namespace {

constexpr int kRegisterModel = 301;
constexpr int kControllerModel = 501;

struct StorePaths {
    std::string definition;
    std::string mainte;
    std::string defaults;
};

StorePaths pathsOf(int vek) {
    char definition[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    CTK73opsActiveStoreInfo().GetPathInfo(definition, mainte, defaults, vek);
    return {definition, mainte, defaults};
}

}  // namespace

ItemTestStore::ItemTestStore() {
    if (!Make() && error_.empty()) {
        error_ = "the store could not be made";
    }
}

bool ItemTestStore::Make() {
    std::vector<std::string> log;
    if (!tk73tools::stageInstallation({tk73tools::shippedInstallation(), StagedFolder(), 0, false},
                                      log, error_)) {
        return false;
    }
    setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(StagedFolder()).c_str(), 1);
    STORE_EDB store;
    store.storeName = "Corner Market";
    store.regModelNo = kRegisterModel;
    store.vekModelNo = kControllerModel;
    if (!tk73store::CreateStore(store) || store.storeNo != 1) {
        error_ = "store 1 could not be created";
        return false;
    }
    if (!CTK73pgmPgmFile(1).CopyPgmFileDefaultToMainte(-1, 1) ||
        !CTK73pgmVekPgmFile(1).CopyPgmFileDefaultToMainte(-1, 1)) {
        error_ = "the default program files could not be copied";
        return false;
    }
    return !DefinitionFile(0).empty() && !DefinitionFile(1).empty();
}

std::string ItemTestStore::DefinitionFile(int vek) const {
    return pathsOf(vek).definition;
}

std::string ItemTestStore::MainteFolder(int vek) const {
    return pathsOf(vek).mainte;
}

std::string ItemTestStore::DefaultFolder(int vek) const {
    return pathsOf(vek).defaults;
}

std::string ItemTestStore::MainteFile(int vek, int fileNo) const {
    char name[32];
    std::snprintf(name, sizeof(name), "/FILE%03dP.TXT", fileNo);
    return MainteFolder(vek) + name;
}

std::string ItemTestStore::Mainte(int vek, int fileNo) const {
    return tk73test::TempEnvironment::readFile(MainteFile(vek, fileNo));
}

void ItemTestStore::SetMainte(int vek, int fileNo, const std::string& bytes) const {
    tk73test::TempEnvironment::writeFile(MainteFile(vek, fileNo), bytes);
}

std::string RecordLine(const std::string& file, int record) {
    for (const int width : {6, 5}) {
        char prefix[16];
        std::snprintf(prefix, sizeof(prefix), "\n%0*d,", width, record);
        const size_t start = file.find(prefix);
        if (start != std::string::npos) {
            const size_t end = file.find('\r', start + 1);
            return file.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        }
    }
    return {};
}

std::vector<size_t> DifferingOffsets(const std::string& a, const std::string& b) {
    std::vector<size_t> offsets;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            offsets.push_back(i);
        }
    }
    return offsets;
}

}  // namespace tk73itemtest
