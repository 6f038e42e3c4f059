#pragma once
// What the store keeps of one register's LAN transfer, whichever program ran it: a copy of every
// file that went whole, as the register now holds it, in the register's history folder
// (storedb/register_history.h), and a line in the store's transfer log.

#include <cstdint>
#include <string>
#include <vector>

namespace tk73ops {

struct RegisterTransfer {
    int storeNo = 0;
    bool send = true;
    std::string address;
    std::vector<uint32_t> files;
    bool done = false;
    std::string message;
    std::string failedIds;  // the session's failed-file list
    uint64_t milliseconds = 0;
};

// The files of the transfer that came in or went out whole: all of a done transfer, the
// unlisted ones of a failed transfer that names failed files, none of one that names none (the
// register never had the work list).
std::vector<uint32_t> filesMovedWhole(const RegisterTransfer& transfer);

// Keeps the copies (only for a register the store lists) and appends the log line. Each copy
// replaces the one before whole.
void recordRegisterTransfer(const RegisterTransfer& transfer);

}  // namespace tk73ops
