#pragma once
// The start-up of a setting editor, from its command line to the end of its one page set.
//
// 1. The flags set the process switches (controller mode, current controller setting).
// 2. The first flag selects the page set; a missing or unknown one ends the editor at once,
//    before it takes its single-instance name or shows a window.
// 3. The single-instance mutex ("TK73HUB_LAUNCHREG", "TK73HUB_LAUNCHVEK" or "TK73HUB_CURRENTVEK"
//    and the program's name): when another copy holds it, that copy is asked to raise its window
//    and this one ends.
// 4. The handle opens on the active store's paths; a missing store or definition file ends the
//    editor without a window.
// 5. The optional language library is loaded for the rest of the run.
// 6. The page set is created, read, run modally and destroyed; the mutex goes last.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apps/editors/framework/editor_command_line.h"
#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/framework/pgm_menu_context.h"

namespace tk73editor {

struct PageSetEntry {
    std::string flag;  // without the "/"
    std::function<std::unique_ptr<PageSetWindow>(PgmMenuContext&)> create;
};

struct EditorDescription {
    VekFlags vekFlags = VekFlags::SecondFlag;
    std::vector<PageSetEntry> pageSets;
};

// How a start ended; the values are the program's exit codes.
enum class EditorExit {
    Ran = 0,             // the page set ran (saved or not)
    AlreadyRunning = 1,  // another copy runs in the same mode
    NoPageSet = 2,       // no page-set flag, or one the editor does not know
    NoStore = 3          // the active store's definition file cannot be opened
};

// Steps 1 to 6 with the user interaction that is installed. arguments: after the program's path.
EditorExit runEditor(const std::vector<std::string>& arguments,
                     const EditorDescription& description, const std::string& programName);

// An editor's main(): the application, the Qt user interaction and runEditor under the
// executable's base name; answers the exit code.
[[nodiscard]] int editorMain(int argc, char** argv, const EditorDescription& description);

}  // namespace tk73editor
