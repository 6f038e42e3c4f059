#pragma once
// How the PC reaches the machines of one store: the connection of its registers (kind 0) and of
// its controllers (kind 1), as the communication setting dialog edits them. The store
// configuration hands them over with the rest of the store; the connection setting of a store
// (connection_setting.h) writes them on their own.

#include "storedb/connection_type.h"
#include "storedb/edb_records.h"

namespace tk73store {

class StoreConnections {
  public:
    // The connection of a side as the dialog last left it.
    const ConnectionType& connection(int kind) const;
    // The dialog's OK for a side; automatic mode keeps no addresses.
    void setConnection(int kind, const ConnectionType& connection);

  protected:
    StoreConnections() = default;
    ~StoreConnections() = default;

    // Both sides as the store and its machine lists hold them.
    void readConnections(const STORE_EDB& store);
    // The record's selection types: '1' for a side in manual mode, else '0'.
    void markSelectionTypes(STORE_EDB& record) const;
    // The controllers' and the registers' machine lists of the store; false at the first that
    // cannot be written.
    [[nodiscard]] bool writeMachineLists(int storeNo) const;

  private:
    ConnectionType connections_[2];
};

}  // namespace tk73store
