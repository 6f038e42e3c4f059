#pragma once
// What the store configuration dialog edits and checks: the name, clerk, comment and branch of
// one store, its register and controller models and how the PC connects to its machines. Nothing
// reaches the store database before the user confirms the whole setting; then the store is
// created, changed or copied and its machine lists are written.

#include <memory>
#include <string>
#include <vector>

#include "storedb/edb_records.h"
#include "storedb/select_model.h"
#include "storedb/select_store.h"
#include "storedb/store_connections.h"

namespace tk73store {

inline constexpr int kConfigStoreNew = 0;
inline constexpr int kConfigStoreModify = 1;
inline constexpr int kConfigStoreCopy = 2;

// The caption of the dialog and of every message it shows.
inline constexpr const char* kStoreSettingCaption = "Store setting";

// The fields as the user left them.
struct StoreFields {
    std::string name;
    std::string clerk;
    std::string comment;
    int branchNo = 0;
    int regModelNo = 0;  // 0: none chosen
    int vekModelNo = 0;  // 0: none
};

class StoreConfiguration : public StoreConnections {
  public:
    // A new store, the store of that number, or a copy of it (with a copy name and the next free
    // number). Null when the store cannot be read or no copy name is free ("Could not create
    // store name." is shown then).
    static std::unique_ptr<StoreConfiguration> ForNew();
    static std::unique_ptr<StoreConfiguration> ForModify(int storeNo);
    static std::unique_ptr<StoreConfiguration> ForCopy(int sourceStoreNo);

    int mode() const { return mode_; }
    // The values the fields start with.
    const STORE_EDB& record() const { return record_; }
    // In the controller tool a store needs a controller model, elsewhere a register model.
    bool vekToolMode() const { return vekTool_; }
    // A copy keeps the models of its source, whose program files it takes over.
    bool modelsEditable() const { return mode_ != kConfigStoreCopy; }

    const std::vector<BranchChoiceEntry>& branches() const { return branches_; }
    const std::vector<ModelChoiceEntry>& registerModels() const { return registerModels_; }
    const std::vector<ModelChoiceEntry>& vekModels() const { return vekModels_; }

    // The user picked another model of a side (kind 0 register, 1 controller) while the previous
    // one was selected. Moving an existing store away from its stored model asks whether its
    // programs may go; false means the previous model stays.
    [[nodiscard]] bool confirmModelChange(int kind, int previousModelNo, int newModelNo) const;

    // OK: the checks in order, the question, then the store's life cycle and its machine lists.
    // True when the dialog may end; false keeps it open (every reason has been shown).
    [[nodiscard]] bool accept(const StoreFields& fields);
    // The store the last accepted setting wrote.
    int storeNo() const { return record_.storeNo; }

  private:
    StoreConfiguration(int mode, const STORE_EDB& record, int sourceStoreNo);
    [[nodiscard]] bool checkFields(const StoreFields& fields) const;
    [[nodiscard]] bool applyLifeCycle(STORE_EDB& record);

    int mode_;
    STORE_EDB record_;
    int sourceStoreNo_;
    STORE_EDB stored_;  // the store as the table holds it (modify only)
    bool vekTool_;
    std::vector<BranchChoiceEntry> branches_;
    std::vector<ModelChoiceEntry> registerModels_;
    std::vector<ModelChoiceEntry> vekModels_;
};

struct ConfigStoreRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "ConfigStore";
    explicit ConfigStoreRequest(StoreConfiguration& c) : configuration(c) {}
    std::string_view dialogName() const override { return kName; }
    StoreConfiguration& configuration;
};

}  // namespace tk73store
