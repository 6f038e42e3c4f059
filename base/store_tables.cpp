#include "base/store_tables.h"

#include "base/install_folders.h"
#include "platform/api.h"
#include "platform/path_rule.h"

namespace tk73 {

namespace {

const std::vector<std::string_view> kModelColumns = {"ModelNo", "ModelIndentName", "ModelViewName",
                                                     "ModelStatus", "Update"};

const TableDefinition kTables[] = {
    {"REGMODEL", true, kModelColumns},
    {"VEKMODEL", true, kModelColumns},
    {"STORE",
     false,
     {"StoreNo", "StoreName", "Clerk", "Comment", "BranchNo", "VekModelNo", "VekSelType",
      "RegModelNo", "RegSelType", "ScanStartNo", "ChangeBusinessDay", "Update", "VekLinkage"}},
    {"BRANCH", false, {"BranchNo", "BranchName", "Clerk", "Comment", "Update"}},
    {"REGISTER", false, {"StoreNo", "RegNo", "RegName", "OperateStatus", "IPAddr", "Update"}},
    {"VEK", false, {"StoreNo", "VekNo", "VekName", "OperateStatus", "IPAddr", "Update"}},
};

}  // namespace

const TableDefinition* findTable(const char* name) {
    if (name == nullptr) {
        return nullptr;
    }
    for (const TableDefinition& table : kTables) {
        if (table.name == name) {
            return &table;
        }
    }
    return nullptr;
}

std::optional<std::string> tableFile(const TableDefinition& table,
                                     const std::string& databaseFolder) {
    std::string folder = databaseFolder;
    if (table.inSystemFolder) {
        char systemFolder[TK73_MAX_PATH];
        if (AecrbsGetTK73SystemPath(systemFolder) == 0) {
            return std::nullopt;
        }
        folder = systemFolder;
    }
    if (folder.empty()) {
        return std::nullopt;
    }
    return joinPath(folder, std::string(table.name) + ".edb");
}

}  // namespace tk73
