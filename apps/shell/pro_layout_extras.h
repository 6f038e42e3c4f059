#pragma once
// The pro layout's additions: the store bar that chooses the store every flow works on, the
// "System" menu (store setting, initialise, back up and restore the store database) and the
// copies of default program files that the store configuration asks for.

#include "apps/shell/layout_extras.h"
#include "storedb/copy_pgm_files_notice.h"
#include "storedb/ui/select_store.h"

namespace tk73hub {

class ProLayoutExtras : public LayoutExtras {
  public:
    explicit ProLayoutExtras(CHubDlg& window) : window_(window) {}

    // The bar starts on the desktop's current store; a store there means data to work on.
    bool Create() override;
    bool Handle(const ToolRow& row) override;
    // The VEK setting needs a selected store with a controller.
    void RestrictEnabled() override;
    int CurrentStore() const override;
    void Close() override;

    CSelectStore& StoreBar() { return storeBar_; }
    void ShowSystemMenu(const ToolRow& row);
    void OnStoreSetting();
    void OnInitialize();
    void OnBackup();
    void OnRestore();

  private:
    // The bar shows the store, the desktop names it current, and the buttons follow.
    void SelectStore(int branchNo, int storeNo, int modelNo);
    void OnStoreChanged();
    // The archive the document came from or went to is the previous store's: another store's
    // settings are never saved over it.
    void ForgetFileOfOtherStore();

    CHubDlg& window_;
    // The store the document's file belongs to.
    int fileStore_ = EDB_NO_STORE;
    CSelectStore storeBar_;
    tk73store::CopyPgmFilesHandler previousHandler_;
    bool handlerSet_ = false;
};

// Copies every default program file of the kinds into the store's maintenance folders,
// overwriting: both (0), the register's (1) or the controller's (2); the controller's only when
// the store has a controller model. False when a file or folder could not be copied or made (the
// other files are still copied).
[[nodiscard]] bool CopyDefaultProgramFiles(int storeNo, int kinds);

}  // namespace tk73hub
