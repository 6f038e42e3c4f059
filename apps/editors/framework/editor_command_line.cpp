#include "apps/editors/framework/editor_command_line.h"

#include "base/registry_settings.h"

namespace tk73editor {

namespace {

constexpr std::string_view kLaunchVek = "LAUNCHVEK";
constexpr std::string_view kCurrentVek = "CURVEKSET";

}  // namespace

EditorCommandLine EditorCommandLine::parse(const std::vector<std::string>& arguments) {
    EditorCommandLine line;
    for (const std::string& argument : arguments) {
        if (!argument.empty() && (argument[0] == '/' || argument[0] == '-')) {
            line.flags.push_back(argument.substr(1));
        }
    }
    return line;
}

std::string EditorCommandLine::pageSetFlag() const {
    return flags.empty() ? std::string() : flags.front();
}

bool EditorCommandLine::flagIs(size_t index, std::string_view text) const {
    return index < flags.size() && flags[index] == text;
}

bool EditorCommandLine::launchVek(VekFlags where) const {
    return flagIs(1, kLaunchVek) || (where == VekFlags::FirstTwoFlags && flagIs(0, kLaunchVek));
}

bool EditorCommandLine::currentVekSetting(VekFlags where) const {
    return where == VekFlags::FirstTwoFlags && (flagIs(0, kCurrentVek) || flagIs(1, kCurrentVek));
}

void applyProcessSwitches(const EditorCommandLine& commandLine, VekFlags where) {
    AecrbsSetLaunchVekTool(commandLine.launchVek(where) ? 1 : 0);
    if (commandLine.currentVekSetting(where)) {
        AecrbsSetCurrentVekSetting(1, 0);
    }
}

std::string editorMutexName(VekFlags where, const std::string& programName) {
    const bool currentVek = AecrbsGetCurrentVekSetting() == 1;
    std::string name;
    if (currentVek && (AecrbsGetLaunchVekTool() != 0 || where == VekFlags::FirstTwoFlags)) {
        name = "TK73HUB_CURRENTVEK";
    } else if (AecrbsGetLaunchVekTool() != 0) {
        name = "TK73HUB_LAUNCHVEK";
    } else {
        name = "TK73HUB_LAUNCHREG";
    }
    return name + programName;
}

}  // namespace tk73editor
