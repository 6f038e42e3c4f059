#include "operations/working_store.h"

#include <cstdio>

#include "base/date_time.h"
#include "base/registry_settings.h"
#include "definitions/def_reg.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_store.h"
#include "storedb/sys_init.h"

namespace tk73ops {

namespace {

STORE_EDB workingStoreRecord(uint32_t userMode, int registerModelNo, int vekModelNo) {
    STORE_EDB store;
    store.storeNo = kWorkingStore;
    store.storeName = WorkingStoreName(userMode);
    store.regModelNo = registerModelNo;
    store.vekModelNo = vekModelNo;
    store.vekLinkage = vekModelNo != 0 ? '0' : '1';
    store.changeBusinessDay = "0000";
    char now[13] = {};
    AecrbsGetNowDateTime(now);
    store.update = now;
    store.branchNo = 0;
    return store;
}

bool copyDefinition(const MODEL_EDB& model, int kind) {
    return CTK73defReg(model.identName.c_str(), kWorkingStore, kind)
               .CopyDefaultIniFileToDbIniFile(0) != 0;
}

}  // namespace

const char* WorkingStoreName(uint32_t userMode) {
    switch (userMode) {
        case 0:
            return "NET REG mode";
        case 1:
            return "Stand alone ECR mode";
        case 2:
            return "Pro mode";
        default:
            return "VEK Setting";
    }
}

int ResetWorkingStore(uint32_t userMode, const MODEL_EDB& registerModel,
                      const MODEL_EDB& vekModel) {
    const bool withVek = vekModel.modelNo >= 1;
    if (CTK73mntSysInit().ClearDataBase() == 0) {
        return 0;
    }
    const STORE_EDB store =
        workingStoreRecord(userMode, registerModel.modelNo, withVek ? vekModel.modelNo : 0);
    if (CTK73edbStore().AddStore(store) == 0) {
        return 0;
    }
    if (!copyDefinition(registerModel, 0) || (withVek && !copyDefinition(vekModel, 1))) {
        return 0;
    }
    if (CTK73pgmPgmFile(kWorkingStore).CopyPgmFileDefaultToMainte(-1, 1) == 0 ||
        (withVek && CTK73pgmVekPgmFile(kWorkingStore).CopyPgmFileDefaultToMainte(-1, 1) == 0)) {
        return 0;
    }
    char storeText[12];
    std::snprintf(storeText, sizeof storeText, "%03d", kWorkingStore);
    return AecrbsSetDesktopRegister("000", storeText, "999") != 0 ? 1 : 0;
}

}  // namespace tk73ops
