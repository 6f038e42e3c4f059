#pragma once
// The start-up of TK73EDIT, from its command line to the end of its window.
//
// 1. The flags set the process switches ("LAUNCHVEK", "CURVEKSET" in the first two flags).
// 2. The single-instance mutex of the setting editors ("TK73HUB_..." and the program's name):
//    when another copy holds it, that copy is asked to raise its window and this one ends.
// 3. The start-up checks (editor_start.h). Without a file to edit, on a data file, without a
//    store or without the store's definition copy ("Could not found INI file.") the editor ends
//    without a window.
// 4. The window opens on the document, hands the front over from the tool that started it, runs
//    and at its end gives the front back.

#include <string>
#include <vector>

#include "apps/editors/framework/editor_application.h"

namespace tk73edit {

// How a start ended, with the setting editors' exit codes: Ran (0) when the window ran or the
// document could not be shown, AlreadyRunning (1), NoPageSet (2) when there is no program file
// this editor can edit (none named, none there, or a data file), NoStore (3) without a store or
// its definition copy. arguments: after the program's path.
tk73editor::EditorExit runDataEditor(const std::vector<std::string>& arguments,
                                     const std::string& programName);

// The program's main(): the application, the Qt user interaction and runDataEditor under the
// executable's base name; answers the exit code.
int dataEditorMain(int argc, char** argv);

}  // namespace tk73edit
