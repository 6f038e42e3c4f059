#pragma once
// The file selection dialog "Select file" of the CSV export and import: the offered program
// files in a list with check boxes, each row carrying its file number in a hidden column.

#include <QDialog>

#include "csvexchange/xch_file_select.h"

class QTreeWidget;

class CSelectFileDlg : public QDialog {
    Q_OBJECT

  public:
    CSelectFileDlg(tk73xch::FileSelectRequest& request, QWidget* parent = nullptr);

    // OK and a double click: the row's file number, or "File is not selected." and the dialog
    // stays open.
    void accept() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    tk73xch::FileSelectRequest& request_;
    QTreeWidget* files_;
};
