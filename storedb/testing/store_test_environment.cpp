#include "storedb/testing/store_test_environment.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/install_folders.h"
#include "definitions/testing/installation_settings.h"

namespace storetest {

namespace {

const char* const kModelList =
    "[ECR_LIST]\r\n"
    "TOTALCOUNT=2\r\n"
    "01=301,KR301,KR-301 Compact Register,1,COMPACT,KR3010,1,49\r\n"
    "02=420,KR420,KR-420 Shop Register,2,STANDARD,KR4200,2,321\r\n"
    "[VEK_LIST]\r\n"
    "TOTALCOUNT=1\r\n"
    "01=501,VK500,VK-500 Order Controller,1,ORDER,VK5000,1,80\r\n";

struct ModelFiles {
    const char* indentName;
    int kind;
    std::vector<int> files;
    const char* dataFiles;
};

const std::vector<ModelFiles>& shippedModels() {
    static const std::vector<ModelFiles> models = {
        {"KR301", 0, {1, 2, 3}, "3"}, {"KR420", 0, {1, 2}, ""}, {"VK500", 1, {401, 402}, ""}};
    return models;
}

std::string definitionText(const ModelFiles& model) {
    std::string text = "[SYSTEM]\r\nINIFILEVER=1\r\n[FILE_INF]\r\nDATAFILES=";
    text += model.dataFiles;
    text += "\r\n[PGMFILES]\r\n";
    for (const int file : model.files) {
        char line[64];
        std::snprintf(line, sizeof line, "%03d=\"File %d\"\r\n", file, file);
        text += line;
    }
    return text;
}

// A program file whose first line names the folder it was shipped in, so a test can tell
// which default reached a store.
std::string programFileText(const std::string& folder, int file) {
    char text[128];
    std::snprintf(text, sizeof text, "%s FILE%03d\r\n0001,0000\r\n", folder.c_str(), file);
    return text;
}

}  // namespace

StoreTestEnvironment::StoreTestEnvironment(uint32_t userMode) {
    deftest::pointInstallationInto(temp_);
    setUserMode(userMode);
    writeInstallation();
}

void StoreTestEnvironment::setUserMode(uint32_t mode) {
    deftest::writeUserMode(mode);
}

void StoreTestEnvironment::writeInstallation() const {
    using tk73test::TempEnvironment;
    TempEnvironment::writeFile(temp_.path("install/TK73TOOL.ini"), kModelList);
    TempEnvironment::writeFile(temp_.path("install/template/STORE.edb"),
                               "StoreNo,StoreName,Clerk,Comment,BranchNo,VekModelNo,VekSelType,"
                               "RegModelNo,RegSelType,ScanStartNo,ChangeBusinessDay,Update,"
                               "VekLinkage\r\n");
    TempEnvironment::writeFile(temp_.path("install/template/BRANCH.edb"),
                               "BranchNo,BranchName,Clerk,Comment,Update\r\n");
    TempEnvironment::writeFile(temp_.path("install/template/REGISTER.edb"),
                               "StoreNo,RegNo,RegName,OperateStatus,IPAddr,Update\r\n");
    TempEnvironment::writeFile(temp_.path("install/template/VEK.edb"),
                               "StoreNo,VekNo,VekName,OperateStatus,IPAddr,Update\r\n");
    for (const ModelFiles& model : shippedModels()) {
        const std::string folder = modelFolder(model.indentName, model.kind);
        TempEnvironment::writeFile(folder + "/" + model.indentName + ".INI", definitionText(model));
        // A register has a second set of defaults for stores that also have a Vek controller.
        std::vector<std::string> defaults = {"DEFAULT"};
        if (model.kind == 0) {
            defaults.push_back("DEFAULTVEK");
        }
        for (const std::string& name : defaults) {
            for (const int file : model.files) {
                char fileName[32];
                std::snprintf(fileName, sizeof fileName, "/FILE%03dP.TXT", file);
                TempEnvironment::writeFile(folder + "/" + name + fileName,
                                           programFileText(name, file));
            }
        }
    }
}

std::string StoreTestEnvironment::dataBaseFolder() const {
    char folder[TK73_MAX_PATH] = {};
    AecrbsGetTK73DataBasePath(folder);
    std::string text = folder;
    while (!text.empty() && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

std::string StoreTestEnvironment::storeFolder(int storeNo) const {
    char name[16];
    std::snprintf(name, sizeof name, "/S%03d", storeNo);
    return dataBaseFolder() + name;
}

std::string StoreTestEnvironment::table(const std::string& name) const {
    return tk73test::TempEnvironment::readFile(dataBaseFolder() + "/" + name + ".edb");
}

void StoreTestEnvironment::writeTable(const std::string& name, const std::string& text) const {
    tk73test::TempEnvironment::writeFile(dataBaseFolder() + "/" + name + ".edb", text);
}

std::vector<std::string> StoreTestEnvironment::listing(const std::string& folder) const {
    std::vector<std::string> entries;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        entries.push_back(std::filesystem::relative(it->path(), folder).generic_string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string StoreTestEnvironment::modelFolder(const std::string& indentName, int kind) const {
    return temp_.path((kind == 1 ? "install/VEK/" : "install/REG/") + indentName);
}

void StoreTestEnvironment::makeStoreFolder(int storeNo) const {
    std::filesystem::create_directories(storeFolder(storeNo));
}

STORE_EDB storeRecord(int storeNo, const std::string& name, int regModelNo, int vekModelNo,
                      int branchNo) {
    STORE_EDB store;
    store.storeNo = storeNo;
    store.storeName = name;
    store.regModelNo = regModelNo;
    store.vekModelNo = vekModelNo;
    store.branchNo = branchNo;
    store.changeBusinessDay = "0000";
    store.vekLinkage = regModelNo != 0 && vekModelNo != 0 ? '0' : '1';
    return store;
}

}  // namespace storetest
