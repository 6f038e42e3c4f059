#include "operations/ui/ops_dialogs.h"

#include "base/ui/qt_user_interaction.h"
#include "operations/sd_card.h"
#include "operations/ui/sd_card_dlg.h"

namespace tk73opsui {

tk73::Button showOpsDialog(tk73::DialogRequest& request, QWidget* parent) {
    if (request.dialogName() != tk73ops::SdCardRequest::kName) {
        return tk73::Button::Cancel;
    }
    CSdCardDlg dialog(static_cast<tk73ops::SdCardRequest&>(request).choice, parent);
    return dialog.exec() == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
}

void registerOpsDialogs(tk73::QtUserInteraction& interaction) {
    interaction.addDialog(std::string(tk73ops::SdCardRequest::kName), showOpsDialog);
}

}  // namespace tk73opsui
