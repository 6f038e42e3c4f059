#include "storedb/machine_list.h"

#include <cstdio>
#include <memory>

#include "base/date_time.h"
#include "storedb/edb_reg_vek.h"

namespace tk73store {

std::string ipAddressText(uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", (address >> 24) & 0xFFu,
                  (address >> 16) & 0xFFu, (address >> 8) & 0xFFu, address & 0xFFu);
    return text;
}

STORE_MANAGE MakeMachineBlock(int storeNo, const std::vector<uint32_t>& addresses,
                              const std::string& update) {
    STORE_MANAGE block;
    for (size_t index = 0; index < block.entries.size(); ++index) {
        STORE_MANAGE_ENTRY& entry = block.entries[index];
        entry.storeNo = storeNo;
        entry.machineNo = static_cast<int>(index) + 1;
        entry.update = update;
        if (index < addresses.size()) {
            entry.machineName = ipAddressText(addresses[index]);
            entry.ipAddr = entry.machineName;
            entry.operateStatus = '1';
        }
    }
    return block;
}

int WriteMachineList(int storeNo, int kind, const std::vector<uint32_t>& addresses) {
    if (addresses.size() > EDB_MACHINES_PER_STORE) {
        return 0;
    }
    char now[16] = {};
    AecrbsGetNowDateTime(now);
    std::unique_ptr<CTK73edbRegVekBase> table;
    if (kind == 1) {
        table = std::make_unique<CTK73edbVek>(storeNo);
    } else {
        table = std::make_unique<CTK73edbRegister>(storeNo);
    }
    return table->SetRegister(MakeMachineBlock(storeNo, addresses, now));
}

int EmptyMachineList(int storeNo, int kind) {
    return WriteMachineList(storeNo, kind, {});
}

}  // namespace tk73store
