#pragma once
// The select dialogs: one list of registers or controllers, or the combined dialog with the
// controllers above the registers, under a heading that names the work ("Data send") and where
// the chosen machines stand in it ("Send to"); OK with nothing checked asks for a choice and
// stays open.

#include <QDialog>

#include "landialogs/lan_select.h"
#include "landialogs/lan_select_pair.h"

class CLanMachineList;
class QCheckBox;

class CLanSelectDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CLanSelectDlg(tk73lan::LanSelectRequest& request, QWidget* parent = nullptr);
    explicit CLanSelectDlg(tk73lan::LanSelectPairRequest& request, QWidget* parent = nullptr);

  public slots:
    void accept() override;

  private:
    CLanSelectDlg(const std::string& title, QWidget* parent);
    void Finish(QWidget* body, const tk73lan::LanSelectRequest& work);

    tk73lan::LanSelectRequest* single_ = nullptr;
    tk73lan::LanSelectPairRequest* pair_ = nullptr;
    CLanMachineList* first_ = nullptr;
    CLanMachineList* second_ = nullptr;
    // "Send only the files that changed", for a send that the caller previews.
    QCheckBox* changedOnly_ = nullptr;
};
