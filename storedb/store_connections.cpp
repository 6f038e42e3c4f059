#include "storedb/store_connections.h"

namespace tk73store {

namespace {

constexpr int kRegister = 0;
constexpr int kVek = 1;

int sideOf(int kind) {
    return kind == kVek ? kVek : kRegister;
}

char selectionType(const ConnectionType& connection) {
    return connection.mode == kConnectManual ? '1' : '0';
}

}  // namespace

const ConnectionType& StoreConnections::connection(int kind) const {
    return connections_[sideOf(kind)];
}

void StoreConnections::setConnection(int kind, const ConnectionType& connection) {
    ConnectionType& target = connections_[sideOf(kind)];
    target = connection;
    if (target.mode != kConnectManual) {
        target.addresses.clear();
    }
}

void StoreConnections::readConnections(const STORE_EDB& store) {
    for (const int kind : {kRegister, kVek}) {
        connections_[kind] = readConnectionType(store, kind);
    }
}

void StoreConnections::markSelectionTypes(STORE_EDB& record) const {
    record.regSelType = selectionType(connections_[kRegister]);
    record.vekSelType = selectionType(connections_[kVek]);
}

bool StoreConnections::writeMachineLists(int storeNo) const {
    return writeConnectionType(storeNo, kVek, connections_[kVek]) == 1 &&
           writeConnectionType(storeNo, kRegister, connections_[kRegister]) == 1;
}

}  // namespace tk73store
