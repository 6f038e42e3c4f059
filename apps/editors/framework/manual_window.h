#pragma once
// The Help button's tool manual. The desktop's viewer opens the manual when the desktop has one;
// where no program can be started for it, the suite shows the manual's HTML edition, which ships
// beside every PDF guide ("TK73TOOL.htm" beside "TK73TOOL.pdf"), in a window of its own; where
// that is missing too, the user reads "Can not show help.".

#include <QWidget>

namespace tk73editor {

void showToolManual(QWidget* parent);

}  // namespace tk73editor
