#pragma once
// Where a store keeps what its registers hold: "HISTORY" in the store's folder, with the
// transfer log "TRANSFER.LOG" and one folder "REG%02d" per register, named by the register's
// machine number in the store database (not by its address, so a register whose address changes
// keeps its history). A register's folder holds a copy of each program file as the register got
// it or sent it last.

#include <string>

#include "storedb/edb_records.h"

namespace tk73store {

// Empty when the store's folder cannot be named.
std::string historyFolderPath(int storeNo);
std::string transferLogPath(int storeNo);
std::string registerSnapshotPath(int storeNo, int machineNo);

// The machine number of the store's register in use at the address; 0 when none is.
[[nodiscard]] int registerMachineNoAt(int storeNo, const std::string& address);

// The registers' copies follow a change of the store's register list from before to after: a
// register whose address is still listed keeps its copies under its new number, a place whose
// address was changed keeps the copies of that place, and the copies of a register that is no
// longer listed are removed.
void followRegisterSnapshots(int storeNo, const STORE_MANAGE& before, const STORE_MANAGE& after);

}  // namespace tk73store
