#pragma once
// The command line of a setting editor. The shell starts an editor with one switch, the page-set
// flag ("/P"); the detail tool and the controller tool add "/LAUNCHVEK" and "/CURVEKSET".
//
// Flags are the arguments that begin with "/" or "-", without that character, in order; other
// arguments are not used by the editors. Flags compare with letter case.

#include <string>
#include <string_view>
#include <vector>

namespace tk73editor {

// Where an editor looks for its controller flags.
enum class VekFlags {
    // "LAUNCHVEK" as the second flag (item, receipt and general feature editors).
    SecondFlag,
    // "LAUNCHVEK" and "CURVEKSET" in either of the first two flags (clerk and tax editors).
    FirstTwoFlags
};

struct EditorCommandLine {
    std::vector<std::string> flags;

    // The arguments after the program's own path.
    static EditorCommandLine parse(const std::vector<std::string>& arguments);

    // The flag that selects the page set: the first flag; empty when there is none.
    std::string pageSetFlag() const;
    // Whether the command line switches the process to controller mode.
    [[nodiscard]] bool launchVek(VekFlags where) const;
    // Whether it makes the controller's setting the current one (clerk and tax editors only).
    [[nodiscard]] bool currentVekSetting(VekFlags where) const;

  private:
    [[nodiscard]] bool flagIs(size_t index, std::string_view text) const;
};

// Sets the two process switches of the base services from the command line. Called before the
// first path or registry call: both decide which registry root and folders the process uses.
void applyProcessSwitches(const EditorCommandLine& commandLine, VekFlags where);

// The name of the editor's single-instance mutex under the switches as they are set:
// "TK73HUB_LAUNCHREG" in register mode, "TK73HUB_CURRENTVEK" in controller mode when the current
// controller setting is on, else "TK73HUB_LAUNCHVEK"; editors that take their controller flags
// from the first two flags use "TK73HUB_CURRENTVEK" whenever the setting is on, in either mode.
// The program's base name follows.
std::string editorMutexName(VekFlags where, const std::string& programName);

}  // namespace tk73editor
