#include "apps/detailtool/editor_launch.h"

#include "apps/detailtool/file_menu.h"
#include "platform/running_program.h"

namespace tk73dtl {

std::vector<std::string> dataEditorArguments(const DetailContext& context, int fileNo) {
    if (fileMenuOf(context.Definition(), fileNo).dataFile) {
        return {};
    }
    std::vector<std::string> arguments{context.MainteFile(fileNo),
                                       context.vekTool ? "/LAUNCHVEK" : "/LAUNCHREG"};
    if (context.kind == 1) {
        arguments.emplace_back("/CURVEKSET");
    }
    return arguments;
}

std::string dataEditorProgram() {
    return tk73::runningProgramFolder() + "/TK73EDIT";
}

}  // namespace tk73dtl
