#pragma once
// What a send of the store's files would change on one of its registers: the fields that differ
// between the register's copy of each file in the store's history (what it got or sent last)
// and the store's file, with the titles the register's definition gives them.

#include <cstdint>
#include <string>
#include <vector>

#include "landialogs/send_preview.h"

namespace tk73ops {

// Files the register has no copy of (or whose copy is of another layout) are not known; an
// address that is no register of the store knows none. Why a file could not be compared is
// added to problems, when given.
tk73lan::RegisterChanges changesOnRegister(int storeNo, const std::string& address,
                                           const std::vector<uint32_t>& files,
                                           std::vector<std::string>* problems = nullptr);

}  // namespace tk73ops
