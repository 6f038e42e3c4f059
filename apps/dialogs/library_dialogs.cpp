#include "apps/dialogs/library_dialogs.h"

#include "base/ui/qt_user_interaction.h"
#include "csvexchange/ui/xch_dialogs.h"
#include "landialogs/ui/lan_dialogs_ui.h"
#include "operations/ui/ops_dialogs.h"
#include "programfiles/ui/import_dialogs.h"
#include "programfiles/ui/merge_setting_data_dlg.h"
#include "storedb/ui/store_dialogs.h"

namespace tk73apps {

void registerLibraryDialogs(tk73::QtUserInteraction& interaction) {
    tk73storeui::registerStoreDialogs(interaction);
    tk73opsui::registerOpsDialogs(interaction);
    tk73lanui::registerLanDialogs(interaction);
    tk73xchui::registerXchDialogs(interaction);
    tk73pgmui::registerImportDialogs(interaction);
    CMergeSettingDataDlg::Register(interaction);
}

}  // namespace tk73apps
