#pragma once
// The dialog of one whole-system maintenance: its prompt and, for backups and restores, the
// backup folder with a browse button.

#include <QDialog>

#include "storedb/sys_mainte.h"

class QLineEdit;

class CTK73mntSysMainteDlg : public QDialog {
    Q_OBJECT

  public:
    CTK73mntSysMainteDlg(tk73store::SysMaintenance& maintenance, QWidget* parent = nullptr);

    void accept() override;

  private:
    void browse();

    tk73store::SysMaintenance& maintenance_;
    QLineEdit* folder_ = nullptr;
};
