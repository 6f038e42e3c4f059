#pragma once
// The start-up of TK73DTL, from its command line to the end of its dialog.
//
// 1. The first two words set the process switches ("LAUNCHVEK", "CURVEKSET").
// 2. The single-instance name ("TK73HUB_CURRENTVEK" or "TK73HUB_LAUNCHVEK" and the title for
//    the controller tool, the title alone otherwise): when another copy holds it, that copy is
//    asked to raise its window and this one ends.
// 3. Without an active store the tool ends without a window.
// 4. The dialog names itself in "MAINHWND" and "CURRENTHWND": the data editor it starts brings
//    it back through "MAINHWND", the shell finds it through "CURRENTHWND", which the editor
//    takes while it runs and the tool takes back when it ends. At its end "MAINHWND" goes back
//    to the shell that waits for it, which is then brought to the front.

#include <string>
#include <vector>

namespace tk73dtl {

// The exit codes.
enum class DetailExit { Ran = 0, AlreadyRunning = 1, NoStore = 3 };

// Steps 1 to 4 with the user interaction that is installed. arguments: after the program's path.
DetailExit runDetailTool(const std::vector<std::string>& arguments);

// The program's main(): the application, the Qt user interaction and runDetailTool.
int detailToolMain(int argc, char** argv);

}  // namespace tk73dtl
