#pragma once
// The target dialog: the file list ("File list") and the fields of the chosen file ("Field",
// number and title). A double click on a file opens its display setting, one on a field its
// attribute setting.

#include <QDialog>

#include <vector>

#include "apps/detailtool/file_rows.h"
#include "definitions/def_reg.h"
#include "definitions/field_info.h"

class QTreeWidget;

namespace tk73dtl {

class TargetDialog : public QDialog {
  public:
    TargetDialog(const CTK73defReg& definition, int fileNo, QWidget* parent);

    QTreeWidget* Files() const { return files_; }
    QTreeWidget* Fields() const { return fields_; }

    // The setting dialogs of the current file and of a field of it, on this dialog.
    void EditDisplay();
    void EditField(int row);

  private:
    void ReloadFiles(int fileNo);
    void ShowFields();
    int CurrentFileNo() const;

    const CTK73defReg& definition_;
    std::vector<FileRow> rows_;
    std::vector<FIELD_INFO> fieldRows_;
    QTreeWidget* files_;
    QTreeWidget* fields_;
};

}  // namespace tk73dtl
