#pragma once
// The tables of the store database and the columns this library reads and writes in each.

#include "storedb/edb_connection.h"

namespace tk73store {

inline constexpr const char* kBranchTable = "BRANCH";
inline constexpr const char* kStoreTable = "STORE";
inline constexpr const char* kRegisterTable = "REGISTER";
inline constexpr const char* kVekTable = "VEK";

const EdbColumns& branchColumns();
const EdbColumns& storeColumns();
// The machine tables name their number and name columns after the kind of machine.
EdbColumns machineColumns(const char* machineNoColumn, const char* machineNameColumn);
const EdbColumns& registerColumns();
const EdbColumns& vekColumns();

}  // namespace tk73store
