#pragma once
// One list of machines of a select dialog: the machines with their check boxes beside "Search
// again", "Select all" and "Un select all". The first search starts as the list is shown.

#include <QWidget>

#include "landialogs/lan_select.h"

class QTreeWidget;

class CLanMachineList : public QWidget {
    Q_OBJECT

  public:
    explicit CLanMachineList(tk73lan::LanSelectRequest& request, QWidget* parent = nullptr);

    // Hands the check boxes to the request.
    void TakeChecks();

  private:
    void Search(bool again);
    void ShowMachines();

    tk73lan::LanSelectRequest& request_;
    QTreeWidget* list_;
};
