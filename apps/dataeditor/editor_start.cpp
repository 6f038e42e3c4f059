#include "apps/dataeditor/editor_start.h"

#include <filesystem>

#include "apps/dataeditor/title_line.h"
#include "apps/editors/framework/editor_command_line.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "definitions/def_file_inf.h"
#include "definitions/kind_forms.h"
#include "platform/api.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/regvek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace tk73edit {

DataEditorCommandLine DataEditorCommandLine::parse(const std::vector<std::string>& arguments) {
    DataEditorCommandLine commandLine;
    for (const std::string& argument : arguments) {
        // Here a path may begin with "/" too: a switch is one word, a path has more slashes.
        const bool slashFlag =
            !argument.empty() && argument[0] == '/' && argument.find('/', 1) == std::string::npos;
        if (slashFlag || (!argument.empty() && argument[0] == '-')) {
            commandLine.flags.push_back(argument.substr(1));
        } else {
            commandLine.parameters.push_back(argument);
        }
    }
    return commandLine;
}

void applyProcessSwitches(const DataEditorCommandLine& commandLine) {
    tk73editor::EditorCommandLine flags{commandLine.flags};
    tk73editor::applyProcessSwitches(flags, tk73editor::VekFlags::FirstTwoFlags);
}

StartCheck prepareStart(const DataEditorCommandLine& commandLine, StartContext& out) {
    out.kind = AecrbsGetCurrentVekSetting() == 1 ? 1 : 0;
    out.storeNo = tk73pgm::currentStoreNo();
    if (out.storeNo <= 0 || out.storeNo == EDB_NO_STORE) {
        return StartCheck::NoStore;
    }
    CTK73edbStore().GetStoreFromStoreNo(out.storeNo, &out.store);
    if (out.kind == 1) {
        CTK73edbVekModel().GetModelFromModelNo(out.store.vekModelNo, &out.model);
    } else {
        CTK73edbModel().GetModelFromModelNo(out.store.regModelNo, &out.model);
    }
    std::error_code error;
    if (commandLine.parameters.empty() ||
        !std::filesystem::is_regular_file(commandLine.parameters[0], error)) {
        return StartCheck::NoFile;
    }
    out.path = commandLine.parameters[0];
    out.fileNo = CTK73pgmRegVekPgmFile::GetFileNoFromFileName(out.path.c_str());
    const CTK73defReg definition(out.model.indentName.c_str(), out.storeNo, out.kind);
    if (tk73def::NeighbourSection<CTK73defRegVekFILEINF>(definition).IsDataFile(out.fileNo) == 1) {
        return StartCheck::DataFile;
    }
    out.title = readFileTitle(out.path);
    char definitionFile[TK73_MAX_PATH] = {};
    if (out.model.indentName.empty() || definition.GetDbIniFilePath(definitionFile) != 1) {
        return StartCheck::NoDefinition;
    }
    out.definitionFile = definitionFile;
    return StartCheck::Ready;
}

}  // namespace tk73edit
