#pragma once
// The LAN dialogs ("LanSelect", "LanSelectPair", "LanRun") as Qt dialogs, registered with a
// program's seam.

#include "base/user_interaction.h"

class QWidget;

namespace tk73 {
class QtUserInteraction;
}

namespace tk73lanui {

// Shows the dialog of the request modally and answers Ok or Cancel; Cancel without a window for
// a request of another name.
tk73::Button showLanDialog(tk73::DialogRequest& request, QWidget* parent);

void registerLanDialogs(tk73::QtUserInteraction& interaction);

}  // namespace tk73lanui
