#pragma once
// "Display setting" of one file: its operation code (the file number, read only), file title,
// icon title and "Show Icon?". OK stores what changed in the definition copy.

#include <QDialog>

#include "apps/detailtool/file_rows.h"
#include "definitions/def_reg.h"

class QCheckBox;
class QLineEdit;

namespace tk73dtl {

class DisplayDialog : public QDialog {
  public:
    DisplayDialog(const CTK73defReg& definition, FileRow row, QWidget* parent);

    QLineEdit* FileTitle() const { return fileTitle_; }
    QLineEdit* IconTitle() const { return iconTitle_; }
    QCheckBox* ShowIcon() const { return showIcon_; }

    // Writes the changes; tells the user when the definition copy did not take them.
    void Store();

  private:
    const CTK73defReg& definition_;
    FileRow row_;
    QLineEdit* fileTitle_;
    QLineEdit* iconTitle_;
    QCheckBox* showIcon_;
};

}  // namespace tk73dtl
