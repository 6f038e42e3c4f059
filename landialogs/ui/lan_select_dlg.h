#pragma once
// The select dialog: the machines of the store and those a search found, each with a check box,
// "Search again", "Select all", "Un select all", OK and Cancel. The first search starts as the
// dialog opens.

#include <QDialog>

#include "landialogs/lan_select.h"

class QTreeWidget;

class CLanSelectDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CLanSelectDlg(tk73lan::LanSelectRequest& request, QWidget* parent = nullptr);

  public slots:
    // OK with nothing checked asks for a choice and stays open.
    void accept() override;

  private:
    void Search(bool again);
    void ShowMachines();
    void TakeChecks();

    tk73lan::LanSelectRequest& request_;
    QTreeWidget* list_;
};
