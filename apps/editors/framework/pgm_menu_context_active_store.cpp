#include "apps/editors/framework/pgm_menu_context.h"

#include "base/registry_settings.h"
#include "operations/active_store_info.h"
#include "platform/api.h"

namespace tk73editor {

int PgmMenuContext::OpenActiveStore() {
    char definitionFile[TK73_MAX_PATH] = {};
    char mainteFolder[TK73_MAX_PATH] = {};
    char defaultFolder[TK73_MAX_PATH] = {};
    // The last argument always means 0 register, 1 controller: the editor edits the controller
    // exactly when the controller's setting is the current one.
    const int target = AecrbsGetCurrentVekSetting() == 1 ? 1 : 0;
    if (!CTK73opsActiveStoreInfo().GetPathInfo(definitionFile, mainteFolder, defaultFolder,
                                               target)) {
        return 0;
    }
    return Open(definitionFile, mainteFolder, defaultFolder);
}

}  // namespace tk73editor
