#include "apps/shell/pro_layout_extras.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMetaObject>

#include <cstdio>
#include <cstdlib>

#include "apps/shell/hub_dlg.h"
#include "apps/shell/hub_texts.h"
#include "apps/shell/lan_flows.h"
#include "base/registry_settings.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_store.h"
#include "storedb/store_list_setting.h"
#include "storedb/sys_mainte.h"

namespace tk73hub {

namespace {

// The desktop's current store, 999 when none or unreadable.
STORE_EDB desktopStore() {
    char branch[4096] = {};
    char store[4096] = {};
    char reg[4096] = {};
    STORE_EDB record;
    record.storeNo = EDB_NO_STORE;
    record.branchNo = EDB_NO_STORE;
    if (AecrbsGetDesktopRegister(branch, store, reg) == 0) {
        return record;
    }
    const int storeNo = std::atoi(store);
    if (storeNo == EDB_NO_STORE || CTK73edbStore().GetStoreFromStoreNo(storeNo, &record) == 0) {
        record.storeNo = EDB_NO_STORE;
        record.branchNo = EDB_NO_STORE;
    }
    return record;
}

}  // namespace

bool CopyDefaultProgramFiles(int storeNo, int kinds) {
    bool copied = true;
    if (kinds == tk73store::kCopyPgmFilesBoth || kinds == tk73store::kCopyPgmFilesRegister) {
        copied = CTK73pgmPgmFile(storeNo).CopyPgmFileDefaultToMainte(-1, 1) != 0;
    }
    if (kinds == tk73store::kCopyPgmFilesBoth || kinds == tk73store::kCopyPgmFilesVek) {
        STORE_EDB store;
        if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) != 0 && store.vekModelNo != 0 &&
            CTK73pgmVekPgmFile(storeNo).CopyPgmFileDefaultToMainte(-1, 1) == 0) {
            copied = false;
        }
    }
    return copied;
}

bool ProLayoutExtras::Create() {
    if (storeBar_.CreateSSBar(&window_, 0) == 0) {
        return false;
    }
    QObject::connect(storeBar_.GetBar(), &CSelectStoreBarBase::storeChanged, &window_,
                     [this] { OnStoreChanged(); });
    previousHandler_ = tk73store::SetCopyPgmFilesHandler([this](int storeNo, int kinds) {
        if (!CopyDefaultProgramFiles(storeNo, kinds)) {
            tk73::ui().message(text::kDefaultFilesNotCopied, window_.Caption(),
                               tk73::MessageIcon::Error);
        }
    });
    handlerSet_ = true;
    const STORE_EDB current = desktopStore();
    if (current.storeNo != EDB_NO_STORE) {
        storeBar_.ChangeSelectedStore(current.branchNo, current.storeNo, current.regModelNo);
        window_.Document().SetState(CHubDocument::kLoaded);
    }
    fileStore_ = CurrentStore();
    return true;
}

bool ProLayoutExtras::Handle(const ToolRow& row) {
    if (row.command != ToolCommand::SystemMenu) {
        return false;
    }
    ShowSystemMenu(row);
    return true;
}

void ProLayoutExtras::RestrictEnabled() {
    QAbstractButton* vekSetting = window_.Button(kVekSettingControl);
    if (vekSetting == nullptr || !vekSetting->isEnabled()) {
        return;
    }
    int withVek = 0;
    // A store not in the table has no controller (withVek stays 0).
    (void)CTK73edbStore().GetWithVek(CurrentStore(), &withVek, nullptr);
    vekSetting->setEnabled(withVek != 0);
}

int ProLayoutExtras::CurrentStore() const {
    int storeNo = EDB_NO_STORE;
    storeBar_.GetSelectedStore(nullptr, &storeNo, nullptr, nullptr);
    return storeNo;
}

void ProLayoutExtras::Close() {
    storeBar_.CloseSSBar();
    if (handlerSet_) {
        tk73store::SetCopyPgmFilesHandler(previousHandler_);
        handlerSet_ = false;
    }
}

void ProLayoutExtras::ShowSystemMenu(const ToolRow& row) {
    QMenu menu(tk73::toQString(text::kOperationMenu), &window_);
    menu.addAction(tk73::toQString(text::kStoreSetting), [this] { OnStoreSetting(); });
    menu.addAction(tk73::toQString(text::kInitialize), [this] { OnInitialize(); });
    menu.addAction(tk73::toQString(text::kBackup), [this] { OnBackup(); });
    menu.addAction(tk73::toQString(text::kRestore), [this] { OnRestore(); });
    menu.addSeparator();
    QAction* history = menu.addAction(tk73::toQString(text::kTransferHistory),
                                      [this] { ShowTransferHistory(window_); });
    history->setEnabled(CurrentStore() != EDB_NO_STORE);
    QAbstractButton* button = window_.Button(row.controlId);
    menu.exec(button->mapToGlobal(QPoint(0, button->height())));
}

void ProLayoutExtras::OnStoreSetting() {
    tk73store::StoreListSetting setting;
    tk73store::StoreListRequest request(setting);
    tk73::ui().showDialog(request);
    // The store the setting made or changed last is the one the user works on next. Without
    // one the selection stays, read again: its store may have got another model or be gone.
    int storeNo = setting.returnedStore();
    if (storeNo == 0) {
        storeBar_.GetSelectedStore(nullptr, &storeNo, nullptr, nullptr);
    }
    STORE_EDB store;
    if (storeNo != EDB_NO_STORE && CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) != 0) {
        SelectStore(store.branchNo, store.storeNo, store.regModelNo);
    } else {
        SelectStore(EDB_NO_STORE, EDB_NO_STORE, -1);
    }
}

void ProLayoutExtras::OnInitialize() {
    if (CTK73mntSysMainte().ExecuteSystemInit() == 0) {
        return;
    }
    storeBar_.ChangeSelectedStore(EDB_NO_STORE, EDB_NO_STORE, -1);
    window_.Document().SetState(CHubDocument::kNoData);
    CHubDlg* window = &window_;
    // Told once the menu and the maintenance dialog are gone.
    QMetaObject::invokeMethod(
        window,
        [window] {
            tk73::ui().message(text::kAfterInitialize, tk73::fromQString(window->windowTitle()),
                               tk73::MessageIcon::Information);
        },
        Qt::QueuedConnection);
}

void ProLayoutExtras::OnBackup() {
    CTK73mntSysMainte().ExecuteSystemBackup();
}

void ProLayoutExtras::OnRestore() {
    if (CTK73mntSysMainte().ExecuteSystemRestore() == 0) {
        return;
    }
    STORE_EDB first;
    if (CTK73edbStore().GetStoreFromIndex(0, &first) != 0) {
        SelectStore(first.branchNo, first.storeNo, first.regModelNo);
    } else {
        SelectStore(EDB_NO_STORE, EDB_NO_STORE, -1);
    }
}

void ProLayoutExtras::SelectStore(int branchNo, int storeNo, int modelNo) {
    storeBar_.ChangeSelectedStore(branchNo, storeNo, modelNo);
    char branchText[12];
    char storeText[12];
    std::snprintf(branchText, sizeof branchText, "%03d", branchNo);
    std::snprintf(storeText, sizeof storeText, "%03d", storeNo);
    // The editors and tools the shell starts work on the desktop's current store.
    if (AecrbsSetDesktopRegister(branchText, storeText, "999") == 0) {
        tk73::ui().message(text::kStoreNotCurrent, window_.Caption(), tk73::MessageIcon::Error);
    }
    ForgetFileOfOtherStore();
    window_.Document().SetState(storeNo != EDB_NO_STORE ? CHubDocument::kLoaded
                                                        : CHubDocument::kNoData);
}

void ProLayoutExtras::OnStoreChanged() {
    ForgetFileOfOtherStore();
    if (CurrentStore() != EDB_NO_STORE) {
        window_.Document().SetState(CHubDocument::kLoaded);
    }
}

void ProLayoutExtras::ForgetFileOfOtherStore() {
    if (CurrentStore() == fileStore_) {
        return;
    }
    fileStore_ = CurrentStore();
    window_.Document().SetFilePath({});
    window_.Document().SetTitle(nullptr);
}

}  // namespace tk73hub
