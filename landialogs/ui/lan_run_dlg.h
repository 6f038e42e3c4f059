#pragma once
// The run dialog: one row per machine with its result. The transfers run on a worker thread as
// the dialog opens; failed rows can be run again one by one or all together. A run that leaves
// every row done closes the dialog two seconds after its report. While transfers run, a busy
// indicator (with a notice in the controller dialog) and "Cancel" stand above the buttons:
// Cancel, or closing the window, ends the register session that runs and leaves the rows after
// it not done.

#include <QDialog>

#include <thread>

#include "landialogs/lan_run.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class CLanRunDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CLanRunDlg(tk73lan::LanRunRequest& request, QWidget* parent = nullptr);
    ~CLanRunDlg() override;

  public slots:
    // Leaving with failed rows asks first (No preselected); while transfers run, cancels them.
    void reject() override;

  private:
    // Runs one row (index) or every row not done (npos) on the worker thread.
    void Run(size_t index);
    void Finished(size_t index);
    void ShowTasks();
    // Buttons off and the busy indicator shown while the worker runs, the other way round after.
    void ShowRunning(bool running);
    void Cancel();

    tk73lan::LanRunRequest& request_;
    QTreeWidget* list_;
    QProgressBar* busy_;
    QLabel* notice_;
    QPushButton* again_;
    QPushButton* againAll_;
    QPushButton* exit_;
    QPushButton* cancel_;
    std::thread worker_;
    bool running_ = false;
};
