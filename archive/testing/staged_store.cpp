#include "archive/testing/staged_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "definitions/def_reg.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/store_life_cycle.h"
#include "tools/stager/stage_installation.h"

namespace archivetest {

StagedInstallation::StagedInstallation(uint32_t userMode) : stage_(env_.path("stage")) {
    std::vector<std::string> log;
    std::string error;
    EXPECT_TRUE(tk73tools::stageInstallation(
        {tk73tools::shippedInstallation(), stage_, userMode, false}, log, error))
        << error;
    setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(stage_).c_str(), 1);
    // The first model table made creates the database folder.
    CTK73edbModel models;
}

void StagedInstallation::switchArabicOn() const {
    const std::string file = stage_ + "/install/TK73TOOL.ini";
    std::string text = tk73test::TempEnvironment::readFile(file);
    const size_t at = text.find("CONVARABIC=OFF");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 14, "CONVARABIC=ON");
    tk73test::TempEnvironment::writeFile(file, text);
}

int StagedInstallation::createStore(int regModelNo, int vekModelNo) const {
    STORE_EDB store;
    store.storeName = "Corner Market";
    store.regModelNo = regModelNo;
    store.vekModelNo = vekModelNo;
    store.changeBusinessDay = "0000";
    EXPECT_EQ(tk73store::CreateStore(store), 1);
    EXPECT_EQ(CTK73pgmPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1), 1);
    if (vekModelNo != 0) {
        EXPECT_EQ(CTK73pgmVekPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1), 1);
    }
    return store.storeNo;
}

std::string StagedInstallation::definitionFile(int storeNo, const std::string& indentName,
                                               int kind) {
    char out[TK73_MAX_PATH] = {};
    EXPECT_EQ(CTK73defReg(indentName.c_str(), storeNo, kind).GetDbIniFilePath(out), 1);
    return out;
}

std::string StagedInstallation::mainteFolder(int storeNo, int kind) {
    char out[TK73_MAX_PATH] = {};
    if (kind == 0) {
        EXPECT_EQ(CTK73pgmPgmFile(storeNo).GetMaintePath(out, 1), 1);
    } else {
        EXPECT_EQ(CTK73pgmVekPgmFile(storeNo).GetMaintePath(out, 1), 1);
    }
    return out;
}

std::map<std::string, std::string> StagedInstallation::folderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] =
            entry.is_regular_file() ? tk73test::TempEnvironment::readFile(entry.path()) : "<dir>";
    }
    return files;
}

std::map<std::string, std::string> StagedInstallation::programFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& [name, bytes] : folderFiles(folder)) {
        if (name.size() == 12 && name.rfind("FILE", 0) == 0 && name.substr(7) == "P.TXT") {
            files[name] = bytes;
        }
    }
    return files;
}

}  // namespace archivetest
