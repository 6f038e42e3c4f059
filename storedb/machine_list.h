#pragma once
// The registers or controllers of one store as the store configuration sets them: a list of up
// to 32 IPv4 addresses, each held as a 32-bit number with its most significant byte first.

#include <cstdint>
#include <string>
#include <vector>

#include "storedb/edb_records.h"

namespace tk73store {

// "%d.%d.%d.%d".
std::string ipAddressText(uint32_t address);

// The store's block: entry i (from 1) has the store number and machine number i; the entries of
// the addresses are in use, named and addressed by the address text; every entry has the update
// time. An empty list gives the block of a store without machines.
STORE_MANAGE MakeMachineBlock(int storeNo, const std::vector<uint32_t>& addresses,
                              const std::string& update);

// Writes the store's register (kind 0) or controller (kind 1) list with the current time; 0 when
// there are more than 32 addresses or the table cannot be written.
[[nodiscard]] int WriteMachineList(int storeNo, int kind, const std::vector<uint32_t>& addresses);
// The same with no machine in use.
[[nodiscard]] int EmptyMachineList(int storeNo, int kind);

}  // namespace tk73store
