#include "storedb/store_list_setting.h"

#include "storedb/config_store.h"
#include "storedb/edb_store.h"
#include "storedb/select_store.h"
#include "storedb/store_life_cycle.h"

namespace tk73store {

void StoreListSetting::reload() {
    rows_.clear();
    const CTK73edbStore stores;
    STORE_EDB store;
    for (int index = 0; stores.GetStoreFromIndex(index, &store); ++index) {
        rows_.push_back({store.storeNo, store.storeName, branchName(store.branchNo),
                         store.regModelNo != 0 ? modelViewName(0, store.regModelNo) : "",
                         store.vekModelNo != 0 ? modelViewName(1, store.vekModelNo) : "",
                         store.comment});
    }
}

int StoreListSetting::rowOf(int storeNo) const {
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].storeNo == storeNo) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

int StoreListSetting::changed(int done, const CConfigStore& config) {
    reload();
    if (!done) {
        return 0;
    }
    returned_ = config.GetStoreNo();
    return returned_;
}

int StoreListSetting::newStore() {
    CConfigStore config;
    const int done = config.CreateStore();
    return changed(done, config);
}

int StoreListSetting::modifyStore(int storeNo) {
    CConfigStore config;
    const int done = config.EditStore(storeNo);
    return changed(done, config);
}

int StoreListSetting::copyStore(int storeNo) {
    CConfigStore config;
    const int done = config.CopyStore(storeNo);
    return changed(done, config);
}

int StoreListSetting::removeStore(int storeNo) {
    STORE_EDB store;
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) != 1 ||
        ConfirmDeleteStore(store, kStoreListCaption) != 1) {
        return 0;
    }
    const int done = DeleteStore(storeNo, kStoreListCaption);
    reload();
    if (done && storeNo == returned_) {
        returned_ = 0;
    }
    return done;
}

}  // namespace tk73store
