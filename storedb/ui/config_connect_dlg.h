#pragma once
// "Communication setting": the connection of the store's registers and of its controllers, one
// page each. OK hands both pages back to the store configuration; nothing is written until the
// store setting itself is confirmed.

#include <QDialog>
#include <QTabWidget>

#include "storedb/store_configuration.h"

class CVekConfigConnTypeDlg;

// The two pages, register first.
class CVekConfigConnTabCtrl : public QTabWidget {
    Q_OBJECT

  public:
    CVekConfigConnTabCtrl(const tk73store::StoreConfiguration& configuration,
                          const std::string& caption, QWidget* parent = nullptr);

    CVekConfigConnTypeDlg* page(int kind) const { return pages_[kind == 1 ? 1 : 0]; }

  private:
    CVekConfigConnTypeDlg* pages_[2];
};

class CVekConfigConnectDlg : public QDialog {
    Q_OBJECT

  public:
    CVekConfigConnectDlg(tk73store::StoreConfiguration& configuration, QWidget* parent = nullptr);

    CVekConfigConnTabCtrl* tabs() const { return tabs_; }
    void accept() override;

  private:
    tk73store::StoreConfiguration& configuration_;
    CVekConfigConnTabCtrl* tabs_;
};
