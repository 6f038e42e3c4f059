#pragma once
// "Transfer history": a store's LAN transfers newest first, with filters by register and by
// result, and "Retry failed", which sends again exactly what failed where it failed.

#include <QDialog>

#include "operations/transfer_history.h"

class QComboBox;
class QPushButton;
class QTreeWidget;

class CTransferHistoryDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CTransferHistoryDlg(tk73ops::TransferHistoryRequest& request,
                                 QWidget* parent = nullptr);

  private:
    void FillRegisters();
    void ShowEntries();
    void RetryFailed();

    tk73ops::TransferHistoryRequest& request_;
    QComboBox* register_;
    QComboBox* result_;
    QTreeWidget* table_;
    QPushButton* retry_;
};
