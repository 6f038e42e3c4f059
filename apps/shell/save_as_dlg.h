#pragma once
// The shell's "Save As" dialog: the suite's file dialog for saving, with the "Partial PLU
// setting" panel below it: two code fields of five digits joined by "~", each with its spin
// arrows, usable only while the partial PLU type is chosen. What it offers and the rules of the
// range come from SaveAsChoice.

#include <QFileDialog>

#include "apps/shell/save_as_choice.h"
#include "base/user_interaction.h"

class QSpinBox;

namespace tk73hub {

class CSaveAsDlg : public QFileDialog {
    Q_OBJECT

  public:
    explicit CSaveAsDlg(SaveAsChoice& choice, QWidget* parent = nullptr);

    QSpinBox* fromField() const { return from_; }
    QSpinBox* toField() const { return to_; }
    // The index of the chosen type in the choice's types.
    int typeIndex() const;

  public slots:
    void accept() override;

  private:
    QWidget* MakePanel();
    // The fields show the range as the choice holds it.
    void ShowRange();

    SaveAsChoice& choice_;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
};

// Shows the dialog for a SaveAsRequest under parent; Ok once the choice took a path.
tk73::Button showSaveAsDialog(tk73::DialogRequest& request, QWidget* parent);

}  // namespace tk73hub
