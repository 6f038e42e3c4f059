#include "storedb/connection_setting.h"

#include "storedb/edb_columns.h"
#include "storedb/edb_store.h"
#include "storedb/table_snapshot.h"

namespace tk73store {

std::unique_ptr<ConnectionSetting> ConnectionSetting::ForStore(int storeNo) {
    STORE_EDB store;
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) != 1) {
        return nullptr;
    }
    std::unique_ptr<ConnectionSetting> setting(new ConnectionSetting(store));
    setting->readConnections(store);
    return setting;
}

bool ConnectionSetting::apply() {
    const TableSnapshot before[] = {TableSnapshot(kStoreTable), TableSnapshot(kRegisterTable),
                                    TableSnapshot(kVekTable)};
    STORE_EDB record = store_;
    markSelectionTypes(record);
    if (CTK73edbStore().UpdateStore(record) != 1 || !writeMachineLists(record.storeNo)) {
        for (const TableSnapshot& table : before) {
            table.Restore();
        }
        return false;
    }
    store_ = record;
    return true;
}

int EditStoreConnection(int storeNo) {
    const std::unique_ptr<ConnectionSetting> setting = ConnectionSetting::ForStore(storeNo);
    if (setting == nullptr) {
        return 0;
    }
    ConfigConnectRequest request(*setting);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok) {
        return 0;
    }
    return setting->apply() ? 1 : 0;
}

}  // namespace tk73store
