#pragma once
// How the PC finds the registers or the controllers of a store: automatically (every machine of
// the store's model on the LAN) or from a list of up to 32 IPv4 addresses that the user keeps.
// An address is a 32-bit number with its most significant byte first and is shown as
// "%d.%d.%d.%d".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storedb/edb_records.h"

namespace tk73store {

inline constexpr int kConnectAuto = 0;
inline constexpr int kConnectManual = 1;

struct ConnectionType {
    int mode = kConnectAuto;
    std::vector<uint32_t> addresses;  // in list order; empty in automatic mode

    bool operator==(const ConnectionType&) const = default;
};

// Whether an address field holds nothing but its separators (the user typed no digit).
[[nodiscard]] bool isBlankIpAddress(std::string_view text);
// Up to four decimal fields of 0 to 255 separated by full stops; a field left empty counts as 0,
// as in an address field. nullopt for anything else (a letter, a fifth field, 256, a blank text).
std::optional<uint32_t> parseIpAddress(std::string_view text);

// The list of one connection page: the rules for adding and removing addresses.
class IpAddressList {
  public:
    enum class AddResult { Added, Duplicate, Full };

    IpAddressList() = default;
    explicit IpAddressList(std::vector<uint32_t> addresses);

    const std::vector<uint32_t>& addresses() const { return addresses_; }
    int count() const { return static_cast<int>(addresses_.size()); }
    bool isFull() const { return addresses_.size() >= EDB_MACHINES_PER_STORE; }
    // Appends the address unless the list holds it already or is full.
    AddResult add(uint32_t address);
    // Removes the address at the position; false when there is none.
    [[nodiscard]] bool removeAt(int index);

  private:
    std::vector<uint32_t> addresses_;
};

// The connection of the store's registers (kind 0) or controllers (kind 1) as the store record
// and the machine table hold it: the mode from the record's selection type, the addresses of the
// machines in use in machine order.
ConnectionType readConnectionType(const STORE_EDB& store, int kind);
// Writes the list of one side; the addresses count only in manual mode.
[[nodiscard]] int writeConnectionType(int storeNo, int kind, const ConnectionType& connection);

}  // namespace tk73store
