#include "tools/cli/store_scope.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "operations/working_store.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_store.h"
#include "tools/cli/store_checks.h"

namespace tk73cli {

namespace {

constexpr uint32_t kProfessionalMode = 2;
// The selection buffers of the desktop register.
constexpr int kSelectionRoom = 4096;

void copyDefaultProgramFiles(int storeNo, int kinds) {
    if (kinds != tk73store::kCopyPgmFilesVek) {
        CTK73pgmPgmFile(storeNo).CopyPgmFileDefaultToMainte(-1, 1);
    }
    STORE_EDB store;
    if (kinds != tk73store::kCopyPgmFilesRegister &&
        CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) != 0 && store.vekModelNo != 0) {
        CTK73pgmVekPgmFile(storeNo).CopyPgmFileDefaultToMainte(-1, 1);
    }
}

}  // namespace

bool KeepsSeveralStores() {
    uint32_t mode = 0;
    AecrbsGetTK73UserMode(&mode);
    return mode == kProfessionalMode;
}

StoreScope::StoreScope()
    : previousHandler_(tk73store::SetCopyPgmFilesHandler(copyDefaultProgramFiles)) {}

StoreScope::~StoreScope() {
    tk73store::SetCopyPgmFilesHandler(previousHandler_);
    if (selected_) {
        // Nothing is left to do when the earlier selection cannot be put back: the command has
        // run, and the next selection writes it again.
        (void)AecrbsSetDesktopRegister(branch_.c_str(), store_.c_str(), register_.c_str());
    }
}

bool StoreScope::Select(int storeNo) {
    STORE_EDB store;
    if (!FindStore(storeNo, store)) {
        return false;
    }
    if (!KeepsSeveralStores()) {
        if (storeNo != tk73ops::kWorkingStore) {
            std::fprintf(stderr, "tk73: this installation keeps the single working store %d\n",
                         tk73ops::kWorkingStore);
            return false;
        }
        return true;
    }
    if (!selected_) {
        char branch[kSelectionRoom] = {};
        char current[kSelectionRoom] = {};
        char reg[kSelectionRoom] = {};
        AecrbsGetDesktopRegister(branch, current, reg);
        branch_ = branch;
        store_ = current;
        register_ = reg;
        selected_ = true;
    }
    // The commands work on the desktop's current store: a store that cannot be made current
    // would leave them working on the one selected before.
    if (AecrbsSetDesktopRegister(std::to_string(store.branchNo).c_str(),
                                 std::to_string(storeNo).c_str(), "999") == 0) {
        std::fprintf(stderr, "tk73: store %d could not be made the current store\n", storeNo);
        return false;
    }
    return true;
}

}  // namespace tk73cli
