#include "apps/editors/framework/tests/fixture_store.h"

#include <cstdio>
#include <vector>

#include "operations/active_store_info.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/store_life_cycle.h"
#include "storedb/testing/store_test_environment.h"
#include "tools/stager/stage_installation.h"

namespace tk73test {

namespace {

constexpr int kRegisterModel = 301;
constexpr int kControllerModel = 501;

std::string fileName(int fileNo) {
    char name[16];
    std::snprintf(name, sizeof(name), "FILE%03dP.TXT", fileNo);
    return name;
}

bool activePaths(int kind, StorePaths& paths) {
    char ini[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (CTK73opsActiveStoreInfo().GetPathInfo(ini, mainte, defaults, kind) != 1) {
        return false;
    }
    paths = {ini, mainte, defaults};
    return true;
}

}  // namespace

FixtureStore::FixtureStore(const TempEnvironment& environment) {
    tk73tools::StageRequest request;
    request.source = tk73tools::shippedInstallation();
    request.target = environment.path("");
    std::vector<std::string> log;
    std::string error;
    // The staged hive is the one the environment points at: "machine.reg" in its folder.
    if (!tk73tools::stageInstallation(request, log, error)) {
        return;
    }
    STORE_EDB store = storetest::storeRecord(0, "Corner Market", kRegisterModel, kControllerModel);
    if (tk73store::CreateStore(store) != 1 ||
        CTK73pgmPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1) != 1 ||
        CTK73pgmVekPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1) != 1) {
        return;
    }
    ready_ = activePaths(0, register_) && activePaths(1, controller_);
}

std::string FixtureStore::mainteFile(int fileNo, int kind) const {
    return paths(kind).mainteFolder + "/" + fileName(fileNo);
}

std::string FixtureStore::defaultFile(int fileNo, int kind) const {
    return paths(kind).defaultFolder + "/" + fileName(fileNo);
}

std::string FixtureStore::mainte(int fileNo) const {
    return TempEnvironment::readFile(mainteFile(fileNo));
}

void FixtureStore::setMainte(int fileNo, const std::string& bytes) const {
    TempEnvironment::writeFile(mainteFile(fileNo), bytes);
}

std::string recordLine(const std::string& file, const std::string& prefix) {
    const size_t start = file.find("\n" + prefix);
    if (start == std::string::npos) {
        return {};
    }
    const size_t end = file.find('\n', start + 1);
    return file.substr(start + 1, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace tk73test
