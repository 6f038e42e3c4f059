#include "storedb/connection_type.h"

#include <algorithm>
#include <memory>

#include "storedb/edb_reg_vek.h"
#include "storedb/machine_list.h"
#include "storedb/register_history.h"

namespace tk73store {

namespace {

constexpr int kVek = 1;

std::unique_ptr<CTK73edbRegVekBase> machineTable(int storeNo, int kind) {
    if (kind == kVek) {
        return std::make_unique<CTK73edbVek>(storeNo);
    }
    return std::make_unique<CTK73edbRegister>(storeNo);
}

}  // namespace

bool isBlankIpAddress(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || c == ' '; });
}

std::optional<uint32_t> parseIpAddress(std::string_view text) {
    if (isBlankIpAddress(text)) {
        return std::nullopt;
    }
    uint32_t address = 0;
    int fields = 0;
    size_t start = 0;
    while (true) {
        const size_t stop = std::min(text.find('.', start), text.size());
        const std::string_view field = text.substr(start, stop - start);
        if (++fields > 4 || field.size() > 3) {
            return std::nullopt;
        }
        uint32_t value = 0;
        for (const char c : field) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + static_cast<uint32_t>(c - '0');
        }
        if (value > 255) {
            return std::nullopt;
        }
        address = (address << 8) | value;
        if (stop == text.size()) {
            break;
        }
        start = stop + 1;
    }
    // Fields the user did not reach are zero, at the low end of the address.
    return address << (8 * (4 - fields));
}

IpAddressList::IpAddressList(std::vector<uint32_t> addresses) : addresses_(std::move(addresses)) {
    if (addresses_.size() > EDB_MACHINES_PER_STORE) {
        addresses_.resize(EDB_MACHINES_PER_STORE);
    }
}

IpAddressList::AddResult IpAddressList::add(uint32_t address) {
    if (std::find(addresses_.begin(), addresses_.end(), address) != addresses_.end()) {
        return AddResult::Duplicate;
    }
    if (isFull()) {
        return AddResult::Full;
    }
    addresses_.push_back(address);
    return AddResult::Added;
}

bool IpAddressList::removeAt(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    addresses_.erase(addresses_.begin() + index);
    return true;
}

ConnectionType readConnectionType(const STORE_EDB& store, int kind) {
    ConnectionType connection;
    connection.mode =
        (kind == kVek ? store.vekSelType : store.regSelType) == '1' ? kConnectManual : kConnectAuto;
    STORE_MANAGE block;
    if (store.storeNo == 0 || machineTable(store.storeNo, kind)->GetRegister(&block) != 1) {
        return connection;
    }
    for (const STORE_MANAGE_ENTRY& entry : block.entries) {
        if (entry.operateStatus != '1') {
            continue;
        }
        const std::optional<uint32_t> address = parseIpAddress(entry.ipAddr);
        if (address && std::find(connection.addresses.begin(), connection.addresses.end(),
                                 *address) == connection.addresses.end()) {
            connection.addresses.push_back(*address);
        }
    }
    return connection;
}

int writeConnectionType(int storeNo, int kind, const ConnectionType& connection) {
    STORE_MANAGE before;
    // A store without a block has an empty one: every machine of the write is then new.
    (void)machineTable(storeNo, kind)->GetRegister(&before);
    const int written = connection.mode != kConnectManual
                            ? EmptyMachineList(storeNo, kind)
                            : WriteMachineList(storeNo, kind, connection.addresses);
    if (written == 1 && kind != kVek) {
        STORE_MANAGE after;
        // Written a moment ago; an empty block would only leave the snapshots as they are.
        (void)machineTable(storeNo, kind)->GetRegister(&after);
        followRegisterSnapshots(storeNo, before, after);
    }
    return written;
}

}  // namespace tk73store
