#include "operations/ui/ops_dialogs.h"

#include "base/ui/qt_user_interaction.h"
#include "operations/sd_card.h"
#include "operations/ui/sd_card_dlg.h"
#include "operations/ui/transfer_history_dlg.h"

namespace tk73opsui {

tk73::Button showOpsDialog(tk73::DialogRequest& request, QWidget* parent) {
    int result = QDialog::Rejected;
    if (request.dialogName() == tk73ops::SdCardRequest::kName) {
        CSdCardDlg dialog(static_cast<tk73ops::SdCardRequest&>(request).choice, parent);
        result = dialog.exec();
    } else if (request.dialogName() == tk73ops::TransferHistoryRequest::kName) {
        CTransferHistoryDlg dialog(static_cast<tk73ops::TransferHistoryRequest&>(request), parent);
        result = dialog.exec();
    }
    return result == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
}

void registerOpsDialogs(tk73::QtUserInteraction& interaction) {
    interaction.addDialog(std::string(tk73ops::SdCardRequest::kName), showOpsDialog);
    interaction.addDialog(std::string(tk73ops::TransferHistoryRequest::kName), showOpsDialog);
}

}  // namespace tk73opsui
