#include "operations/working_store.h"

#include <cstdio>

#include "base/date_time.h"
#include "base/registry_settings.h"
#include "definitions/def_reg.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/connection_type.h"
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

// How the PC reaches the working store's registers (kind 0) and controller (kind 1). That is the
// user's network, not the store's program: it outlives the store being made afresh.
struct KeptConnections {
    tk73store::ConnectionType sides[2];

    static KeptConnections Of(int storeNo) {
        KeptConnections kept;
        STORE_EDB store;
        if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) == 1) {
            for (const int kind : {0, 1}) {
                kept.sides[kind] = tk73store::readConnectionType(store, kind);
            }
        }
        return kept;
    }
    static char SelectionType(const tk73store::ConnectionType& side) {
        return side.mode == tk73store::kConnectManual ? '1' : '0';
    }
    void MarkSelectionTypes(STORE_EDB& store) const {
        store.regSelType = SelectionType(sides[0]);
        store.vekSelType = SelectionType(sides[1]);
    }
    // The address lists of the sides chosen by hand; false when one cannot be written.
    bool WriteLists(int storeNo) const {
        for (const int kind : {0, 1}) {
            if (sides[kind].mode == tk73store::kConnectManual &&
                tk73store::writeConnectionType(storeNo, kind, sides[kind]) != 1) {
                return false;
            }
        }
        return true;
    }
};

bool copyDefinition(const MODEL_EDB& model, int kind) {
    return CTK73defReg(model.indentName.c_str(), kWorkingStore, kind)
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
    const KeptConnections connections = KeptConnections::Of(kWorkingStore);
    if (CTK73mntSysInit().ClearDataBase() == 0) {
        return 0;
    }
    STORE_EDB store =
        workingStoreRecord(userMode, registerModel.modelNo, withVek ? vekModel.modelNo : 0);
    connections.MarkSelectionTypes(store);
    if (CTK73edbStore().AddStore(store) == 0 || !connections.WriteLists(kWorkingStore)) {
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
