#pragma once
// Which files a send needs to go to a register, from what the store's history knows of it: the
// files that changed since the register got them, and the files of a send that failed.

#include <cstdint>
#include <string>
#include <vector>

namespace tk73ops {

// The files whose register copy (storedb/register_history.h) is missing or differs from the
// store's file in any byte; every file for an address that is no register of the store.
std::vector<uint32_t> filesChangedOnStore(int storeNo, const std::string& address,
                                          const std::vector<uint32_t>& files);

struct RegisterFiles {
    std::string address;
    std::vector<uint32_t> files;
};

// Each register whose last send failed, in the order of those sends, with the files that failed
// (every file of that send when the register never had the work list).
std::vector<RegisterFiles> lastFailedSends(int storeNo);

}  // namespace tk73ops
