#pragma once
// A store's register or controller table set up for a test: the machines in use at the given
// addresses.

#include <string>
#include <vector>

#include "storedb/edb_reg_vek.h"

namespace storetest {

// Numbers every place of the table's store from 1, puts the first places in use at the addresses
// in order (the rest stay free) and stores the block; SetRegister's result.
int listMachinesInUse(CTK73edbRegVekBase& table, const std::vector<std::string>& addresses);

}  // namespace storetest
