#pragma once
// The fixture of the store database tests: an installation in the private environment (database
// "DB" and temporary folder "TEMP" below the local application data, a template database and a
// system folder with the model lists) and helpers to compare folders byte for byte.

#include <filesystem>
#include <map>
#include <string>

#include "base/database_frame.h"
#include "base/tests/base_test.h"

namespace tk73test {

// Every file and folder below a folder: relative path to contents ("<folder>" for folders).
using FolderImage = std::map<std::string, std::string>;

inline FolderImage imageOf(const std::filesystem::path& folder) {
    FolderImage image;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = entry.path().lexically_relative(folder).generic_string();
        image[relative] = entry.is_directory() ? "<folder>" : TempEnvironment::readFile(entry);
    }
    return image;
}

class DatabaseTest : public BaseTest {
  protected:
    static constexpr const char* kStoreTable =
        "StoreNo,StoreName,Clerk,Comment,BranchNo,VekModelNo,VekSelType,RegModelNo,RegSelType,"
        "ScanStartNo,ChangeBusinessDay,Update,VekLinkage\r\n"
        "\"001\",\"Main street\",\"\",\"\",\"001\",\"\",\"\",\"1\",\"0\",\"\",\"0\","
        "\"20240101120000\",\"0\"\r\n";
    static constexpr const char* kBranchTable =
        "BranchNo,BranchName,Clerk,Comment,Update\r\n\"001\",\"North\",\"\",\"\",\"\"\r\n";
    static constexpr const char* kRegisterTable =
        "StoreNo,RegNo,RegName,OperateStatus,IPAddr,Update\r\n"
        "\"001\",\"001\",\"Till 1\",\"1\",\"192.168.0.10\",\"\"\r\n";
    static constexpr const char* kVekTable =
        "StoreNo,VekNo,VekName,OperateStatus,IPAddr,Update\r\n";
    static constexpr const char* kModelTable =
        "ModelNo,ModelIndentName,ModelViewName,ModelStatus,Update\r\n"
        "\"1\",\"XE-A\",\"XE-A standard\",\"1\",\"\"\r\n";

    void SetUp() override {
        installString("DataBasePath", "DB");
        installString("TempPath", "TEMP");
        installString("TemplatePath", templateFolder().generic_string());
        installString("SystemPath", systemFolder().generic_string());
        installDword("UserMode", 0);
        writeTables(templateFolder());
        TempEnvironment::writeFile(templateFolder() / "S001/M001/FILE004P.TXT", "PLU\r\n");
        TempEnvironment::writeFile(systemFolder() / "REGMODEL.edb", kModelTable);
        TempEnvironment::writeFile(systemFolder() / "VEKMODEL.edb", kModelTable);
    }

    std::filesystem::path templateFolder() const { return environment.root() / "template"; }
    std::filesystem::path systemFolder() const { return environment.root() / "system"; }
    std::filesystem::path databaseFolder() const { return environment.root() / "local/DB"; }
    std::filesystem::path tempFolder() const { return environment.root() / "local/TEMP"; }
    std::filesystem::path backupFolder() const { return environment.root() / "documents/backup"; }

    static void writeTables(const std::filesystem::path& folder) {
        TempEnvironment::writeFile(folder / "STORE.edb", kStoreTable);
        TempEnvironment::writeFile(folder / "BRANCH.edb", kBranchTable);
        TempEnvironment::writeFile(folder / "REGISTER.edb", kRegisterTable);
        TempEnvironment::writeFile(folder / "VEK.edb", kVekTable);
    }

    std::string table(const char* file) const {
        return TempEnvironment::readFile(databaseFolder() / file);
    }

    // A frame on a database made from the template, as a first start of the shell does.
    DBC* openDatabase() {
        DBC* frame = AecrdbCreateDBC(nullptr);
        EXPECT_NE(frame, nullptr);
        EXPECT_EQ(AecrdbCheckDatabaseDirectory(frame), 1);
        return frame;
    }
};

}  // namespace tk73test
