#include "landialogs/ui/lan_dialogs_ui.h"

#include "base/ui/qt_user_interaction.h"
#include "landialogs/ui/lan_run_dlg.h"
#include "landialogs/ui/lan_select_dlg.h"

namespace tk73lanui {

tk73::Button showLanDialog(tk73::DialogRequest& request, QWidget* parent) {
    int result = QDialog::Rejected;
    if (request.dialogName() == tk73lan::LanSelectRequest::kName) {
        CLanSelectDlg dialog(static_cast<tk73lan::LanSelectRequest&>(request), parent);
        result = dialog.exec();
    } else if (request.dialogName() == tk73lan::LanSelectPairRequest::kName) {
        CLanSelectDlg dialog(static_cast<tk73lan::LanSelectPairRequest&>(request), parent);
        result = dialog.exec();
    } else if (request.dialogName() == tk73lan::LanRunRequest::kName) {
        CLanRunDlg dialog(static_cast<tk73lan::LanRunRequest&>(request), parent);
        result = dialog.exec();
    }
    return result == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
}

void registerLanDialogs(tk73::QtUserInteraction& interaction) {
    interaction.addDialog(std::string(tk73lan::LanSelectRequest::kName), showLanDialog);
    interaction.addDialog(std::string(tk73lan::LanSelectPairRequest::kName), showLanDialog);
    interaction.addDialog(std::string(tk73lan::LanRunRequest::kName), showLanDialog);
}

}  // namespace tk73lanui
