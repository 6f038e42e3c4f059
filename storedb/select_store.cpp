#include "storedb/select_store.h"

#include <cstdio>

#include "base/registry_settings.h"
#include "storedb/edb_branch.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace tk73store {

namespace {

std::string number3(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

}  // namespace

std::string modelViewName(int kind, int modelNo) {
    MODEL_EDB model;
    if (kind == 1) {
        CTK73edbVekModel().GetModelFromModelNo(modelNo, &model);
    } else {
        CTK73edbModel().GetModelFromModelNo(modelNo, &model);
    }
    return model.viewName;
}

std::string branchName(int branchNo) {
    BRANCH_EDB branch;
    return CTK73edbBranch().GetBranchFromBranchNo(branchNo, &branch) != 0 ? branch.branchName
                                                                          : std::string();
}

std::vector<BranchChoiceEntry> branchChoices() {
    std::vector<BranchChoiceEntry> choices;
    const CTK73edbBranch branches;
    BRANCH_EDB branch;
    // Branch 0 is answered without the table, so this cannot fail.
    (void)branches.GetBranchFromBranchNo(0, &branch);
    choices.push_back({0, branch.branchName});
    for (int index = 0; branches.GetBranchFromIndex(index, &branch); ++index) {
        choices.push_back({branch.branchNo, branch.branchName});
    }
    return choices;
}

StoreSelection::StoreSelection(int mode, int branchNo, int storeNo, int onlyModelNo, bool withVek)
    : mode_(mode),
      onlyModelNo_(onlyModelNo),
      withVek_(withVek),
      branches_(branchChoices()),
      branchNo_(branchNo),
      storeNo_(storeNo) {
    const CTK73edbStore stores;
    STORE_EDB store;
    for (int index = 0; stores.GetStoreFromIndex(index, &store); ++index) {
        stores_.push_back(store);
    }
}

std::vector<StoreChoiceEntry> StoreSelection::storesOf(int branchNo) const {
    std::vector<StoreChoiceEntry> entries;
    for (const STORE_EDB& store : stores_) {
        if (store.branchNo == branchNo && (onlyModelNo_ < 0 || store.regModelNo == onlyModelNo_)) {
            entries.push_back({store.storeNo, store.storeName});
        }
    }
    return entries;
}

bool StoreSelection::accept(int branchNo, int storeNo) {
    STORE_EDB store;
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) != 1) {
        return false;
    }
    const int modelNo = withVek_ ? store.vekModelNo : store.regModelNo;
    MODEL_EDB model;
    const int found = withVek_ ? CTK73edbVekModel().GetModelFromModelNo(modelNo, &model)
                               : CTK73edbModel().GetModelFromModelNo(modelNo, &model);
    if (found != 1) {
        return false;
    }
    if (mode_ != kSelectStoreChooseOnly &&
        AecrbsSetDesktopRegister(number3(branchNo).c_str(), number3(storeNo).c_str(), "999") != 1) {
        return false;
    }
    branchNo_ = branchNo;
    storeNo_ = storeNo;
    modelNo_ = modelNo;
    modelName_ = model.viewName;
    return true;
}

}  // namespace tk73store
