#pragma once
// "Communication setting": the connection of the store's registers and of its controllers, one
// page each. OK hands both pages back to the store configuration, where nothing is written until
// the store setting itself is confirmed, or to the connection setting of one store
// (storedb/connection_setting.h), which writes them then.

#include <QDialog>
#include <QTabWidget>

#include "storedb/store_connections.h"

class CVekConfigConnTypeDlg;

// The two pages, register first.
class CVekConfigConnTabCtrl : public QTabWidget {
    Q_OBJECT

  public:
    CVekConfigConnTabCtrl(const tk73store::StoreConnections& connections,
                          const std::string& caption, QWidget* parent = nullptr);

    CVekConfigConnTypeDlg* page(int kind) const { return pages_[kind == 1 ? 1 : 0]; }

  private:
    CVekConfigConnTypeDlg* pages_[2];
};

class CVekConfigConnectDlg : public QDialog {
    Q_OBJECT

  public:
    CVekConfigConnectDlg(tk73store::StoreConnections& connections, QWidget* parent = nullptr);

    CVekConfigConnTabCtrl* tabs() const { return tabs_; }
    void accept() override;

  private:
    tk73store::StoreConnections& connections_;
    CVekConfigConnTabCtrl* tabs_;
};
