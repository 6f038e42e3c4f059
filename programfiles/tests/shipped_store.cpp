#include "programfiles/tests/shipped_store.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/registry_hive.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/store_folder.h"
#include "storedb/store_life_cycle.h"
#include "storedb/testing/store_test_environment.h"
#include "tk73_source_dir.h"

namespace mergetest {

namespace {

const char* const kSystemKeys[] = {"SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                                   "SOFTWARE\\KELVO\\VEKSTTL\\SYSTEM"};

// Where the record's line starts in text, or npos.
size_t recordStart(const std::string& text, int record) {
    for (const char* format : {"\n%06d,", "\n%05d,"}) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, format, record);
        const size_t at = text.find(prefix);
        if (at != std::string::npos) {
            return at + 1;
        }
    }
    return std::string::npos;
}

}  // namespace

ShippedInstallation::ShippedInstallation(uint32_t userMode) {
    const std::string install = env_.path("install");
    std::filesystem::copy(std::string(TK73_SOURCE_DIR) + "/install", install,
                          std::filesystem::copy_options::recursive);
    const std::pair<const char*, std::string> values[] = {
        {"InstallPath", install},
        {"RegisterPath", install + "/register"},
        {"VekPath", install + "/vek"},
        {"SystemPath", install + "/system"},
        {"TemplatePath", install + "/template"},
        {"DataBasePath", "TK73DB"},
        {"TempPath", "TK73TEMP"},
        {"CodePage", "WINDOWS-1252"},
    };
    for (const char* key : kSystemKeys) {
        for (const auto& [name, value] : values) {
            EXPECT_TRUE(tk73::registryWriteString(tk73::Hive::Machine, key, name, value));
        }
        EXPECT_TRUE(tk73::registryWriteDword(tk73::Hive::Machine, key, "UserMode", userMode));
    }
    // The first model table made creates the database folder.
    CTK73edbModel models;
}

int ShippedInstallation::createStore(int regModelNo, int vekModelNo) const {
    STORE_EDB store = storetest::storeRecord(0, "Corner Market", regModelNo, vekModelNo);
    EXPECT_EQ(tk73store::CreateStore(store), 1);
    EXPECT_EQ(CTK73pgmPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1), 1);
    if (vekModelNo != 0) {
        EXPECT_EQ(CTK73pgmVekPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1), 1);
    }
    return store.storeNo;
}

std::string ShippedInstallation::storeFolder(int storeNo) const {
    return tk73store::storeFolderPath(storeNo);
}

std::string ShippedInstallation::mainteFile(int storeNo, const char* part, int fileNo) const {
    char name[32];
    std::snprintf(name, sizeof name, "/%s/MAINTE/FILE%03dP.TXT", part, fileNo);
    return storeFolder(storeNo) + name;
}

std::string ShippedInstallation::read(const std::string& file) {
    return tk73test::TempEnvironment::readFile(file);
}

void ShippedInstallation::write(const std::string& file, const std::string& bytes) {
    tk73test::TempEnvironment::writeFile(file, bytes);
}

std::string ShippedInstallation::recordLine(const std::string& file, int record) {
    const std::string text = read(file);
    const size_t start = recordStart(text, record);
    if (start == std::string::npos) {
        return {};
    }
    return text.substr(start, text.find("\r\n", start) - start);
}

void ShippedInstallation::replaceInRecord(const std::string& file, int record,
                                          const std::string& from, const std::string& to) {
    std::string text = read(file);
    const size_t start = recordStart(text, record);
    ASSERT_NE(start, std::string::npos) << record;
    const size_t at = text.find(from, start);
    ASSERT_LT(at, text.find("\r\n", start)) << from << " in record " << record;
    text.replace(at, from.size(), to);
    write(file, text);
}

}  // namespace mergetest
