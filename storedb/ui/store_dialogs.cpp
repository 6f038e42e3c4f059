#include "storedb/ui/store_dialogs.h"

#include <memory>

#include "base/ui/qt_user_interaction.h"
#include "storedb/connection_setting.h"
#include "storedb/store_configuration.h"
#include "storedb/store_list_setting.h"
#include "storedb/ui/config_connect_dlg.h"
#include "storedb/ui/config_store_dlg.h"
#include "storedb/ui/select_model_dlg.h"
#include "storedb/ui/setting_store_dlg.h"
#include "storedb/ui/sys_mainte_dlg.h"

namespace tk73storeui {

namespace {

std::unique_ptr<QDialog> dialogFor(tk73::DialogRequest& request, QWidget* parent) {
    const std::string_view name = request.dialogName();
    if (name == tk73store::SelectModelRequest::kName) {
        return std::make_unique<CSelectModelDlg>(
            static_cast<tk73store::SelectModelRequest&>(request).choice, parent);
    }
    if (name == tk73store::ConfigStoreRequest::kName) {
        return std::make_unique<CVekConfigStoreDlg>(
            static_cast<tk73store::ConfigStoreRequest&>(request).configuration, parent);
    }
    if (name == tk73store::ConfigConnectRequest::kName) {
        return std::make_unique<CVekConfigConnectDlg>(
            static_cast<tk73store::ConfigConnectRequest&>(request).connections, parent);
    }
    if (name == tk73store::StoreListRequest::kName) {
        return std::make_unique<CVekSettingStoreDlg>(
            static_cast<tk73store::StoreListRequest&>(request).setting, parent);
    }
    if (name == tk73store::SysMainteRequest::kName) {
        return std::make_unique<CTK73mntSysMainteDlg>(
            static_cast<tk73store::SysMainteRequest&>(request).maintenance, parent);
    }
    return nullptr;
}

}  // namespace

tk73::Button showStoreDialog(tk73::DialogRequest& request, QWidget* parent) {
    const std::unique_ptr<QDialog> dialog = dialogFor(request, parent);
    if (dialog == nullptr) {
        return tk73::Button::Cancel;
    }
    return dialog->exec() == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
}

void registerStoreDialogs(tk73::QtUserInteraction& interaction) {
    for (const std::string_view name :
         {tk73store::SelectModelRequest::kName, tk73store::ConfigStoreRequest::kName,
          tk73store::ConfigConnectRequest::kName, tk73store::StoreListRequest::kName,
          tk73store::SysMainteRequest::kName}) {
        interaction.addDialog(std::string(name), showStoreDialog);
    }
}

}  // namespace tk73storeui
