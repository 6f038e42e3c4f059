#pragma once
// The tool manual of the Help buttons (the shell's and the editors'). The desktop's viewer opens
// the manual when the desktop has one; where no program can be started for it, the suite shows the
// manual's HTML edition, which ships beside every PDF guide ("TK73TOOL.htm" beside "TK73TOOL.pdf"),
// in a window of its own, at the chapter the window's Help names; where that is missing too, the
// user reads "Can not show help.".

#include <QWidget>

namespace tk73storeui {

// The chapters Help opens, by the names of their files in guide/chapters/ (the guide's check
// fails when one of them is gone).
inline constexpr const char* kGuideGettingStarted = "01-getting-started";
inline constexpr const char* kGuidePrograms = "02-programs";

void showToolManual(QWidget* parent, const char* chapter);
// F1 in the window opens the chapter, as its Help button does.
void addHelpKey(QWidget* window, const char* chapter);

}  // namespace tk73storeui
