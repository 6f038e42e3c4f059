#pragma once
// The single working store of the default and stand-alone layouts: store 1 is the only store,
// and each New of the shell and each opened archive makes it afresh for the chosen models.

#include <cstdint>

#include "storedb/edb_records.h"

namespace tk73ops {

inline constexpr int kWorkingStore = 1;

// The name the working store gets: the name of the user mode (as the start-up adjusted it).
const char* WorkingStoreName(uint32_t userMode);

// Clears the whole store database, adds store 1 for the register model and, when vekModel names
// a controller model (number 1 or above), the controller model, copies their default definition
// and program files into the store and makes it the desktop's current store. How the PC reaches
// the machines (automatically, or by the addresses the user listed) stays as the previous working
// store had it. Stops at the first failure and answers 0; 1 when every step was done.
int ResetWorkingStore(uint32_t userMode, const MODEL_EDB& registerModel, const MODEL_EDB& vekModel);

}  // namespace tk73ops
