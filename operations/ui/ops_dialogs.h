#pragma once
// The operations library's named dialogs ("SdCard", "TransferHistory") as Qt dialogs. A program
// registers them with its seam implementation at start-up; tests show them directly for a request.

#include "base/user_interaction.h"

class QWidget;

namespace tk73 {
class QtUserInteraction;
}

namespace tk73opsui {

// Shows the dialog for the request modally under parent and answers Ok or Cancel; a request of
// another name is answered Cancel without a window.
tk73::Button showOpsDialog(tk73::DialogRequest& request, QWidget* parent);

void registerOpsDialogs(tk73::QtUserInteraction& interaction);

}  // namespace tk73opsui
