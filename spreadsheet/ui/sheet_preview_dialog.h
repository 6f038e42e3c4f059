#pragma once
// The preview of a spreadsheet import: what would change (record, field, old value, new value)
// on one tab, the refused rows (the spreadsheet's row number, the column and the reason) on
// another, both sortable by any column, with the count of records that stay as they are.
// Nothing is written while it is open. "Apply" takes every change and is offered only when no
// row is refused; "Apply valid rows only" takes the changes of the rows that are not.

#include <QDialog>

#include "spreadsheet/import_preview.h"

class QTableView;

namespace tk73sheetui {

class SheetPreviewDialog : public QDialog {
    Q_OBJECT

  public:
    // fileTitle: the program file's title, in the code page.
    SheetPreviewDialog(const tk73sheet::ImportPreview& preview, const std::string& fileTitle,
                       QWidget* parent = nullptr);

    // The choice the accepting button stands for.
    tk73sheet::ApplyChoice Choice() const { return choice_; }

    QTableView* Changes() const { return changes_; }
    QTableView* Refusals() const { return refusals_; }

  private:
    tk73sheet::ApplyChoice choice_ = tk73sheet::ApplyChoice::AllOrNothing;
    QTableView* changes_;
    QTableView* refusals_;
};

}  // namespace tk73sheetui
