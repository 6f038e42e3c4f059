#pragma once
// The choice of a store: a branch, then one of its stores. Depending on the mode the choice also
// becomes the desktop's current store (the registry values every tool of the suite reads).

#include <string>
#include <vector>

#include "storedb/edb_records.h"

namespace tk73store {

// From the store bar, choose only, choose and make current.
inline constexpr int kSelectStoreFromBar = 0;
inline constexpr int kSelectStoreChooseOnly = 1;
inline constexpr int kSelectStoreMakeCurrent = 2;

struct BranchChoiceEntry {
    int branchNo = 0;
    std::string name;
};

struct StoreChoiceEntry {
    int storeNo = 0;
    std::string name;
};

class StoreSelection {
  public:
    // The values the dialog starts from. onlyModelNo >= 0 lists only the stores of that register
    // model; withVek takes the store's controller model instead of its register model.
    StoreSelection(int mode, int branchNo, int storeNo, int onlyModelNo, bool withVek);

    int mode() const { return mode_; }
    // Branch 0 ("NO USE") first, then the branches of the table.
    const std::vector<BranchChoiceEntry>& branches() const { return branches_; }
    std::vector<StoreChoiceEntry> storesOf(int branchNo) const;

    // OK with the branch and store chosen (999: none): reads the store and its model and, in
    // modes 0 and 2, makes the store current. False, and nothing changed, when the store or its
    // model cannot be found or the current store cannot be written.
    [[nodiscard]] bool accept(int branchNo, int storeNo);

    int branchNo() const { return branchNo_; }
    int storeNo() const { return storeNo_; }
    int modelNo() const { return modelNo_; }
    const std::string& modelName() const { return modelName_; }

  private:
    int mode_;
    int onlyModelNo_;
    bool withVek_;
    std::vector<BranchChoiceEntry> branches_;
    std::vector<STORE_EDB> stores_;
    int branchNo_;
    int storeNo_;
    int modelNo_ = -1;
    std::string modelName_;
};

// Branch 0 ("NO USE") first, then the branches of the table.
std::vector<BranchChoiceEntry> branchChoices();
// The display name of a register (kind 0) or controller (kind 1) model; empty when unknown.
std::string modelViewName(int kind, int modelNo);
// The name of a branch, "NO USE" for branch 0; empty when unknown.
std::string branchName(int branchNo);

}  // namespace tk73store
