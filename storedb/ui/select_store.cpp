#include "storedb/ui/select_store.h"

#include <QWidget>

#include "base/registry_settings.h"
#include "base/user_interaction.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "storedb/select_store.h"
#include "storedb/store_list_setting.h"
#include "storedb/ui/select_store_dlg.h"

int CSelectStore::CreateSSBar(QWidget* parent, int flag) {
    if (bar_ != nullptr || parent == nullptr) {
        return 0;
    }
    if (AecrbsGetCurrentVekSetting() == 1 && flag == 0) {
        bar_ = new CVekSelectStoreBar(parent, false);
    } else {
        bar_ = new CSelectStoreBar(parent, flag != 0);
    }
    bar_->show();
    return 1;
}

int CSelectStore::CloseSSBar() {
    if (bar_ == nullptr) {
        return 0;
    }
    delete bar_.data();
    return 1;
}

int CSelectStore::ShowSSBar(int show) {
    if (bar_ == nullptr) {
        return 0;
    }
    bar_->setVisible(show != 0);
    return 1;
}

int CSelectStore::Update() {
    if (bar_ == nullptr) {
        return 0;
    }
    bar_->refresh();
    return 1;
}

int CSelectStore::GetSelectedStore(int* branchNo, int* storeNo, int* modelNo,
                                   std::string* name) const {
    const bool shown = bar_ != nullptr;
    if (branchNo != nullptr) {
        *branchNo = shown ? bar_->branchNo() : EDB_NO_STORE;
    }
    if (storeNo != nullptr) {
        *storeNo = shown ? bar_->storeNo() : EDB_NO_STORE;
    }
    if (modelNo != nullptr) {
        *modelNo = shown ? bar_->modelNo() : -1;
    }
    if (name != nullptr) {
        *name = shown ? bar_->modelName() : std::string();
    }
    return 1;
}

int CSelectStore::GetSelectedStoreWithVek(int* branchNo, int* storeNo, int* modelNo,
                                          int* vekModelNo, std::string* name) const {
    int store = EDB_NO_STORE;
    GetSelectedStore(branchNo, &store, modelNo, name);
    if (storeNo != nullptr) {
        *storeNo = store;
    }
    if (vekModelNo != nullptr) {
        STORE_EDB record;
        CTK73edbStore().GetStoreFromStoreNo(store, &record);
        *vekModelNo = record.vekModelNo;
    }
    return 1;
}

int CSelectStore::IsSelected() const {
    return bar_ == nullptr || bar_->storeNo() != EDB_NO_STORE ? 1 : 0;
}

int CSelectStore::GetModelForSelectedStore(MODEL_EDB* out, int controller) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    STORE_EDB store;
    if (bar_ == nullptr || CTK73edbStore().GetStoreFromStoreNo(bar_->storeNo(), &store) != 1) {
        return 0;
    }
    return controller != 0 ? CTK73edbVekModel().GetModelFromModelNo(store.vekModelNo, out)
                           : CTK73edbModel().GetModelFromModelNo(store.regModelNo, out);
}

int CSelectStore::ChangeSelectedStore(int branchNo, int storeNo, int modelNo) {
    if (bar_ == nullptr) {
        return 0;
    }
    bar_->changeSelectedStore(branchNo, storeNo, modelNo);
    return 1;
}

int CSelectStore::ShowSettingStoreDialog() {
    if (qobject_cast<CVekSelectStoreBar*>(bar_.data()) == nullptr) {
        return 0;
    }
    tk73store::StoreListSetting setting;
    tk73store::StoreListRequest request(setting);
    tk73::ui().showDialog(request);
    bar_->refresh();
    return 1;
}

int CSelectStore::SelectStore(int* branchNo, int* storeNo, int* modelNo, int chooseOnly,
                              int onlyModelNo, int withVek, QWidget* parent) {
    if (branchNo == nullptr || storeNo == nullptr || modelNo == nullptr) {
        return 0;
    }
    tk73store::StoreSelection selection(
        chooseOnly != 0 ? tk73store::kSelectStoreChooseOnly : tk73store::kSelectStoreMakeCurrent,
        *branchNo, *storeNo, onlyModelNo, withVek != 0);
    CSelectStoreDlg dialog(selection, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    *branchNo = selection.branchNo();
    *storeNo = selection.storeNo();
    *modelNo = selection.modelNo();
    return 1;
}
