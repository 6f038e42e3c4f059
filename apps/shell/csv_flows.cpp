#include "apps/shell/csv_flows.h"

#include "apps/shell/hub_dlg.h"
#include "csvexchange/xch_export.h"
#include "operations/ops_csv.h"
#include "programfiles/merge_setting_data_type1.h"

namespace tk73hub {

void OnFileCsvImport(CHubDlg& window) {
    if (CTK73opsCsv(-1, 0).ImportExecute() == 1) {
        CMergeSettingDataType1(window.CurrentStore()).ExecuteWithDialog();
    }
}

void OnFileCsvExport() {
    CTK73xchExport(-1, 0).ExportExecute();
}

}  // namespace tk73hub
