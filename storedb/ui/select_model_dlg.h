#pragma once
// The model dialog: a register model and, where allowed, a controller model.

#include <QDialog>

#include "storedb/select_model.h"

class QCheckBox;
class QComboBox;

class CSelectModelDlg : public QDialog {
    Q_OBJECT

  public:
    CSelectModelDlg(tk73store::ModelChoice& choice, QWidget* parent = nullptr);

    void accept() override;

  private:
    int registerModel() const;
    void updateVekControls();

    tk73store::ModelChoice& choice_;
    QComboBox* registers_;
    QCheckBox* useVek_;
    QComboBox* veks_;
};
