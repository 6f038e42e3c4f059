#include "csvexchange/ui/xch_dialogs.h"

#include "base/ui/qt_user_interaction.h"
#include "csvexchange/ui/select_file_dlg.h"

namespace tk73xchui {

void registerXchDialogs(tk73::QtUserInteraction& interaction) {
    interaction.addDialog(
        std::string(tk73xch::FileSelectRequest::kName),
        [](tk73::DialogRequest& request, QWidget* parent) {
            CSelectFileDlg dialog(static_cast<tk73xch::FileSelectRequest&>(request), parent);
            return dialog.exec() == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
        });
}

}  // namespace tk73xchui
