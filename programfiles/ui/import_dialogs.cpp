#include "programfiles/ui/import_dialogs.h"

#include "base/ui/qt_user_interaction.h"
#include "programfiles/pgm_db_import.h"
#include "programfiles/ui/import_range_dlg.h"
#include "storedb/ui/select_store_dlg.h"

namespace tk73pgmui {

namespace {

tk73::Button buttonOf(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
}

}  // namespace

void registerImportDialogs(tk73::QtUserInteraction& interaction) {
    interaction.addDialog(std::string(tk73pgm::ImportRangeRequest::kName),
                          [](tk73::DialogRequest& request, QWidget* parent) {
                              CImportRangeDlg dialog(
                                  static_cast<tk73pgm::ImportRangeRequest&>(request), parent);
                              return buttonOf(dialog);
                          });
    interaction.addDialog(std::string(tk73pgm::ImportStoreRequest::kName),
                          [](tk73::DialogRequest& request, QWidget* parent) {
                              CSelectStoreDlg dialog(
                                  static_cast<tk73pgm::ImportStoreRequest&>(request).selection,
                                  parent);
                              return buttonOf(dialog);
                          });
}

}  // namespace tk73pgmui
