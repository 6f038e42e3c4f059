#pragma once
// The tool manual of the Help buttons (the shell's and the editors'). The desktop's viewer opens
// the manual when the desktop has one; where no program can be started for it, the suite shows the
// manual's HTML edition, which ships beside every PDF guide ("TK73TOOL.htm" beside "TK73TOOL.pdf"),
// in a window of its own; where that is missing too, the user reads "Can not show help.".

#include <QWidget>

namespace tk73storeui {

void showToolManual(QWidget* parent);

}  // namespace tk73storeui
