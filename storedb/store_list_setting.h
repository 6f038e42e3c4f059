#pragma once
// The list of every store ("Branch list setting") from which the user creates, changes, copies
// and removes stores. Each change runs through the store configuration or the delete question,
// and the list is then read anew with the changed store selected.

#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"

class CConfigStore;

namespace tk73store {

inline constexpr const char* kStoreListCaption = "Branch list setting";

struct StoreListRow {
    int storeNo = 0;
    std::string storeName;
    std::string branchName;
    std::string registerModel;  // display names; empty for a side without a model
    std::string vekModel;
    std::string comment;
};

class StoreListSetting {
  public:
    StoreListSetting() { reload(); }

    const std::vector<StoreListRow>& rows() const { return rows_; }
    // The row of the store, -1 when it is not listed.
    [[nodiscard]] int rowOf(int storeNo) const;

    // Each answers the store to select afterwards, or 0 when nothing changed.
    [[nodiscard]] int newStore();
    [[nodiscard]] int modifyStore(int storeNo);
    [[nodiscard]] int copyStore(int storeNo);
    // Asks first; answers 1 when the store is gone.
    [[nodiscard]] int removeStore(int storeNo);

    // The store the setting hands back to the program that opened it: the one the last
    // successful New, Modify or Copy wrote, unless it was removed since; 0 when there is none.
    int returnedStore() const { return returned_; }

  private:
    void reload();
    // A change's answer: the store the configuration wrote, or 0 when nothing changed.
    int changed(int done, const CConfigStore& config);

    std::vector<StoreListRow> rows_;
    int returned_ = 0;
};

struct StoreListRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "StoreList";
    explicit StoreListRequest(StoreListSetting& s) : setting(s) {}
    std::string_view dialogName() const override { return kName; }
    StoreListSetting& setting;
};

}  // namespace tk73store
