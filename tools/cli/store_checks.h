#pragma once
// The checks a command makes on a store, a store name or a model before it changes anything;
// each failed check says why on standard error.

#include <string>

#include "storedb/edb_records.h"

namespace tk73cli {

// The store record of the number.
bool FindStore(int storeNo, STORE_EDB& out);
// A name a new or renamed store may take: not empty, at most 40 bytes, no other store's.
bool CheckStoreName(const std::string& name);
// A register (vek false) or controller model the installation knows; 0 stands for none and
// passes.
bool CheckModel(int modelNo, bool vek);

}  // namespace tk73cli
