#include "storedb/testing/machines_in_use.h"

namespace storetest {

int listMachinesInUse(CTK73edbRegVekBase& table, const std::vector<std::string>& addresses) {
    STORE_MANAGE block;
    table.InitRegisterEdb(&block);
    for (size_t i = 0; i < block.entries.size(); ++i) {
        block.entries[i].storeNo = table.GetStoreNo();
        block.entries[i].machineNo = static_cast<int>(i + 1);
        if (i < addresses.size()) {
            block.entries[i].operateStatus = '1';
            block.entries[i].ipAddr = addresses[i];
        }
    }
    return table.SetRegister(block);
}

}  // namespace storetest
