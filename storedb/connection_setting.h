#pragma once
// Changing only how the PC reaches the machines of one store, through the communication setting
// dialog ("ConfigConnect", a named dialog of the user-interaction seam): the stand-alone register
// layout, which keeps no list of stores, sets its working store's connection this way. Nothing is
// written before the dialog's OK; then the store's selection types and both machine lists are
// written, or, when one of them cannot be, none.

#include <memory>
#include <string_view>

#include "base/user_interaction.h"
#include "storedb/store_connections.h"

namespace tk73store {

class ConnectionSetting : public StoreConnections {
  public:
    // Null when the store cannot be read.
    static std::unique_ptr<ConnectionSetting> ForStore(int storeNo);

    // The dialog's OK: writes the connections. False when a table could not be written; the
    // tables are then as they were.
    [[nodiscard]] bool apply();

  private:
    explicit ConnectionSetting(const STORE_EDB& store) : store_(store) {}

    STORE_EDB store_;
};

struct ConfigConnectRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "ConfigConnect";
    explicit ConfigConnectRequest(StoreConnections& c) : connections(c) {}
    std::string_view dialogName() const override { return kName; }
    StoreConnections& connections;
};

// Runs the dialog on the store's connections; 1 when OK wrote them, 0 when the store cannot be
// read, the user cancelled or the writing failed.
int EditStoreConnection(int storeNo);

}  // namespace tk73store
