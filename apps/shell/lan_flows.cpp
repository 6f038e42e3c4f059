#include "apps/shell/lan_flows.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "apps/shell/hub_dlg.h"
#include "apps/shell/hub_texts.h"
#include "base/registry_settings.h"
#include "base/user_interaction.h"
#include "definitions/def_pgm_file_ez.h"
#include "operations/active_store_info.h"
#include "operations/ops_sock_register.h"
#include "operations/transfer_history.h"
#include "platform/api.h"
#include "storedb/edb_store.h"

namespace tk73hub {

namespace {

constexpr int kRegister = 0;

// The transfers serve the desktop's store, so that is made the one the window shows.
bool MakeShownStoreCurrent(const CHubDlg& window) {
    STORE_EDB shown;
    if (CTK73edbStore().GetStoreFromStoreNo(window.CurrentStore(), &shown) != 1) {
        return false;
    }
    char branchText[12];
    char storeText[12];
    std::snprintf(branchText, sizeof branchText, "%03d", shown.branchNo);
    std::snprintf(storeText, sizeof storeText, "%03d", shown.storeNo);
    // A store that cannot be made the desktop's current one would leave the transfer serving
    // the store selected before.
    if (AecrbsSetDesktopRegister(branchText, storeText, "999") == 0) {
        tk73::ui().message(text::kStoreNotCurrent, window.Caption(), tk73::MessageIcon::Error);
        return false;
    }
    return true;
}

void TransferOverLan(const CHubDlg& window, int receive) {
    if (!MakeShownStoreCurrent(window)) {
        return;
    }
    const CTK73opsActiveStoreInfo store;
    char definition[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (store.GetPathInfo(definition, mainte, defaults, kRegister) != 1) {
        return;
    }
    const CTK73defPGMFILE_EZ easy(definition);
    std::vector<uint32_t> files;
    for (int index = 0; index < easy.GetValueCount(); ++index) {
        int fileNo = 0;
        if (easy.GetValueFromIndex(index, &fileNo) != 0) {
            files.push_back(static_cast<uint32_t>(fileNo));
        }
    }
    CTK73opsSockRegister().ExecuteSocket(store.GetRegModel().modelNo, receive, files);
}

}  // namespace

void SendToLan(const CHubDlg& window) {
    TransferOverLan(window, 0);
}

void ReceiveFromLan(const CHubDlg& window) {
    TransferOverLan(window, 1);
}

void ShowTransferHistory(const CHubDlg& window) {
    if (!MakeShownStoreCurrent(window)) {
        return;
    }
    tk73ops::TransferHistoryRequest history(window.CurrentStore());
    tk73::ui().showDialog(history);
}

}  // namespace tk73hub
