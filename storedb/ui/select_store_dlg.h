#pragma once
// The store dialog: a branch, then one of its stores.

#include <QDialog>

#include "storedb/select_store.h"

class QListWidget;

class CSelectStoreDlg : public QDialog {
    Q_OBJECT

  public:
    CSelectStoreDlg(tk73store::StoreSelection& selection, QWidget* parent = nullptr);

    void accept() override;

  private:
    void fillStores(int selectStoreNo);
    [[nodiscard]] static int numberOf(const QListWidget* list);

    tk73store::StoreSelection& selection_;
    QListWidget* branches_;
    QListWidget* stores_;
};
