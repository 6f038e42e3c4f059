#pragma once
// "Field attribute setting" of one field: its title, "Display" and "Editable" (YES or NO) and
// "Mask:". OK stores them and shows the mask as the definition keeps it.

#include <QDialog>

#include "definitions/def_reg.h"
#include "definitions/field_info.h"

class QComboBox;
class QLineEdit;

namespace tk73dtl {

class FieldDialog : public QDialog {
  public:
    FieldDialog(const CTK73defReg& definition, int fileNo, FIELD_INFO field, QWidget* parent);

    QLineEdit* Title() const { return title_; }
    QComboBox* Display() const { return display_; }
    QComboBox* Editable() const { return editable_; }
    QLineEdit* Mask() const { return mask_; }

    // Writes the field's setting and shows the stored mask; tells the user when the definition
    // copy did not take it.
    void Store();

  private:
    const CTK73defReg& definition_;
    int fileNo_;
    FIELD_INFO field_;
    QLineEdit* title_;
    QComboBox* display_;
    QComboBox* editable_;
    QLineEdit* mask_;
};

}  // namespace tk73dtl
