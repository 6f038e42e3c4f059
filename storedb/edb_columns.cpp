#include "storedb/edb_columns.h"

namespace tk73store {

const EdbColumns& branchColumns() {
    static const EdbColumns columns = {"BranchNo", "BranchName", "Clerk", "Comment", "Update"};
    return columns;
}

const EdbColumns& storeColumns() {
    static const EdbColumns columns = {
        "StoreNo",           "StoreName",  "Clerk",      "Comment",    "BranchNo",
        "VekModelNo",        "VekSelType", "RegModelNo", "RegSelType", "ScanStartNo",
        "ChangeBusinessDay", "Update",     "VekLinkage"};
    return columns;
}

EdbColumns machineColumns(const char* machineNoColumn, const char* machineNameColumn) {
    return {"StoreNo", machineNoColumn, machineNameColumn, "OperateStatus", "IPAddr", "Update"};
}

const EdbColumns& registerColumns() {
    static const EdbColumns columns = machineColumns("RegNo", "RegName");
    return columns;
}

const EdbColumns& vekColumns() {
    static const EdbColumns columns = machineColumns("VekNo", "VekName");
    return columns;
}

}  // namespace tk73store
