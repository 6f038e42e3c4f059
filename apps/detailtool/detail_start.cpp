#include "apps/detailtool/detail_start.h"

#include "apps/detailtool/detail_texts.h"
#include "apps/editors/framework/editor_command_line.h"
#include "base/registry_settings.h"
#include "platform/api.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace tk73dtl {

void applyProcessSwitches(const std::vector<std::string>& arguments) {
    tk73editor::applyProcessSwitches(tk73editor::EditorCommandLine::parse(arguments),
                                     tk73editor::VekFlags::FirstTwoFlags);
}

std::string instanceName() {
    if (AecrbsGetLaunchVekTool() != 1) {
        return kAppTitle;
    }
    return std::string(AecrbsGetCurrentVekSetting() == 1 ? "TK73HUB_CURRENTVEK"
                                                         : "TK73HUB_LAUNCHVEK") +
           kAppTitle;
}

std::string DetailContext::MainteFile(int fileNo) const {
    char path[TK73_MAX_PATH] = {};
    // The path whether or not the file exists; empty for a store without a maintenance folder.
    if (kind == 1) {
        (void)CTK73pgmVekPgmFile(storeNo).CreateMainteFullPath(fileNo, path);
    } else {
        (void)CTK73pgmPgmFile(storeNo).CreateMainteFullPath(fileNo, path);
    }
    return path;
}

bool prepareStart(DetailContext& out) {
    out.vekTool = AecrbsGetLaunchVekTool() == 1;
    out.kind = AecrbsGetCurrentVekSetting() == 1 ? 1 : 0;
    out.storeNo = tk73pgm::currentStoreNo();
    if (out.storeNo <= 0 || out.storeNo == EDB_NO_STORE) {
        return false;
    }
    CTK73edbStore().GetStoreFromStoreNo(out.storeNo, &out.store);
    if (out.kind == 1) {
        CTK73edbVekModel().GetModelFromModelNo(out.store.vekModelNo, &out.model);
    } else {
        CTK73edbModel().GetModelFromModelNo(out.store.regModelNo, &out.model);
    }
    return true;
}

}  // namespace tk73dtl
