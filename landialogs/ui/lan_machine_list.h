#pragma once
// One list of machines of a select dialog: the machines with their check boxes beside "Search
// again", "Select all" and "Un select all". The first search starts as the list is shown. A
// search waits for answers on a thread of its own under a busy indicator, so the window keeps
// answering the user; the list takes the answers when it is over.

#include <QWidget>

#include <memory>
#include <vector>

#include "landialogs/lan_select.h"

class QProgressBar;
class QPushButton;
class QThread;
class QTreeWidget;

class CLanMachineList : public QWidget {
    Q_OBJECT

  public:
    explicit CLanMachineList(tk73lan::LanSelectRequest& request, QWidget* parent = nullptr);
    // Waits for a search still running.
    ~CLanMachineList() override;

    // Hands the check boxes to the request.
    void TakeChecks();

  signals:
    // The user checked or unchecked a machine.
    void ChecksChanged();

  private:
    // "Changes...": the changes of the current machine.
    void ShowChanges();
    void Search(bool again);
    void ShowMachines();

    tk73lan::LanSelectRequest& request_;
    QTreeWidget* list_;
    QPushButton* again_;
    QPushButton* changes_ = nullptr;
    QProgressBar* busy_;
    // The search under way, and what it found; only its thread writes the answers, and the list
    // reads them once it has ended.
    std::unique_ptr<QThread> search_;
    std::vector<tk73lan::SearchAnswer> answers_;
};
