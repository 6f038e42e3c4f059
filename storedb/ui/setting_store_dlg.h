#pragma once
// "Branch list setting": every store, with New, Modify, Copy and Remove.

#include <QDialog>

#include <functional>

#include "storedb/store_list_setting.h"

class QPushButton;
class QTreeWidget;

class CVekSettingStoreDlg : public QDialog {
    Q_OBJECT

  public:
    CVekSettingStoreDlg(tk73store::StoreListSetting& setting, QWidget* parent = nullptr);

  private:
    int selectedStore() const;
    // A change of the list: the selected store in, the store to select afterwards out (0: none).
    using Change = std::function<int(tk73store::StoreListSetting&, int)>;
    // Runs a change; the list is read anew with the store it answers selected.
    void change(const Change& operation, bool needsStore);
    void refill(int selectStoreNo);
    void updateButtons();

    tk73store::StoreListSetting& setting_;
    QTreeWidget* list_;
    QPushButton* modify_;
    QPushButton* copy_;
    QPushButton* remove_;
};
