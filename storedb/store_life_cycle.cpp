#include "storedb/store_life_cycle.h"

#include <filesystem>
#include <vector>

#include "base/date_time.h"
#include "base/user_interaction.h"
#include "definitions/def_reg.h"
#include "storedb/copy_pgm_files_notice.h"
#include "storedb/edb_columns.h"
#include "storedb/edb_connection.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "storedb/machine_list.h"
#include "storedb/register_history.h"
#include "storedb/replaced_parts.h"
#include "storedb/table_snapshot.h"

namespace tk73store {

namespace {

constexpr int kRegister = 0;
constexpr int kVek = 1;
// The parts of a store folder that AecrdbDeleteStoreFolder takes.
constexpr int kWholeFolder = 0;

// The tables a life cycle operation changes, as they were before it.
class DatabaseSnapshot {
  public:
    void Restore() const {
        store_.Restore();
        registers_.Restore();
        veks_.Restore();
    }

  private:
    TableSnapshot store_{kStoreTable};
    TableSnapshot registers_{kRegisterTable};
    TableSnapshot veks_{kVekTable};
};

int modelOf(const STORE_EDB& store, int kind) {
    return kind == kVek ? store.vekModelNo : store.regModelNo;
}

// The indent name of a model; false for a model the model lists do not know.
bool indentNameOf(int kind, int modelNo, std::string& indentName) {
    MODEL_EDB model;
    const bool found = kind == kVek ? CTK73edbVekModel().GetModelFromModelNo(modelNo, &model)
                                    : CTK73edbModel().GetModelFromModelNo(modelNo, &model);
    indentName = model.indentName;
    return found && !indentName.empty();
}

// Every model the store names (0 is none) must be known, and it needs at least one.
bool modelsAreKnown(const STORE_EDB& store) {
    std::string indentName;
    for (const int kind : {kRegister, kVek}) {
        const int modelNo = modelOf(store, kind);
        if (modelNo != 0 && !indentNameOf(kind, modelNo, indentName)) {
            return false;
        }
    }
    return store.regModelNo != 0 || store.vekModelNo != 0;
}

// The model's default definition file becomes the store's copy; a side without a model has
// nothing to copy.
bool copyDefaultDefinition(const STORE_EDB& store, int kind) {
    const int modelNo = modelOf(store, kind);
    if (modelNo == 0) {
        return true;
    }
    std::string indentName;
    return indentNameOf(kind, modelNo, indentName) &&
           CTK73defReg(indentName.c_str(), store.storeNo, kind).CopyDefaultIniFileToDbIniFile(0) ==
               1;
}

// What every record the life cycle writes carries: the current time, and the linkage of a store
// that has both a register and a controller.
void stampRecord(STORE_EDB& store) {
    char now[16] = {};
    AecrbsGetNowDateTime(now);
    store.update = now;
    store.vekLinkage = store.regModelNo != 0 && store.vekModelNo != 0 ? '0' : '1';
}

void showError(const char* text, const std::string& caption) {
    tk73::ui().message(text, caption, tk73::MessageIcon::Error);
}

}  // namespace

int CreateStore(STORE_EDB& store) {
    if (!modelsAreKnown(store)) {
        return 0;
    }
    CTK73edbStore stores;
    const int storeNo = stores.GetNewStoreNo();
    if (storeNo == 0) {
        return 0;
    }
    STORE_EDB record = store;
    record.storeNo = storeNo;
    record.changeBusinessDay = "0000";
    stampRecord(record);
    const DatabaseSnapshot before;
    if (stores.AddStore(record) != 1) {
        return 0;
    }
    if (!copyDefaultDefinition(record, kRegister) || !copyDefaultDefinition(record, kVek)) {
        before.Restore();
        // The creation fails either way; a folder that stays is one no table names.
        (void)EdbConnection().DeleteStoreFolder(storeNo, kWholeFolder);
        return 0;
    }
    store = record;
    NotifyCopyPgmFiles(storeNo, kCopyPgmFilesBoth);
    return 1;
}

int ChangeStore(STORE_EDB& store) {
    CTK73edbStore stores;
    STORE_EDB current;
    if (stores.GetStoreFromStoreNo(store.storeNo, &current) != 1 || !modelsAreKnown(store)) {
        return 0;
    }
    STORE_EDB record = store;
    stampRecord(record);
    const bool registerChanged = record.regModelNo != current.regModelNo;
    const bool vekChanged = record.vekModelNo != current.vekModelNo;
    std::vector<int> changedKinds;
    if (registerChanged) {
        changedKinds.push_back(kRegister);
    }
    if (vekChanged) {
        changedKinds.push_back(kVek);
    }
    // A side whose model changed loses its machine list and its programs, and gets the new
    // model's definition; the old programs stay aside until all of that has succeeded.
    const DatabaseSnapshot before;
    ReplacedParts oldParts(record.storeNo);
    bool done = true;
    for (const int kind : changedKinds) {
        done = done && oldParts.SetAside(kind);
    }
    done = done && stores.UpdateStore(record) == 1;
    for (const int kind : changedKinds) {
        done = done && EmptyMachineList(record.storeNo, kind) == 1 &&
               copyDefaultDefinition(record, kind);
    }
    if (!done) {
        before.Restore();
        oldParts.PutBack();
        return 0;
    }
    oldParts.Discard();
    store = record;
    // A side that now has no model has no default program files to copy.
    if (registerChanged && record.regModelNo != 0) {
        NotifyCopyPgmFiles(record.storeNo, kCopyPgmFilesRegister);
    }
    if (vekChanged && record.vekModelNo != 0) {
        NotifyCopyPgmFiles(record.storeNo, kCopyPgmFilesVek);
    }
    return 1;
}

int PrepareStoreCopy(int sourceStoreNo, STORE_EDB& copy, const std::string& caption) {
    const CTK73edbStore stores;
    STORE_EDB record;
    if (stores.GetStoreFromStoreNo(sourceStoreNo, &record) != 1) {
        return 0;
    }
    record.storeNo = stores.GetNewStoreNo();
    if (record.storeNo == 0) {
        return 0;
    }
    if (stores.MakeCopyStoreName(record.storeName) != 1) {
        showError("Could not create store name.", caption);
        return 0;
    }
    copy = record;
    return 1;
}

int CopyStore(int sourceStoreNo, STORE_EDB& copy, const std::string& caption) {
    CTK73edbStore stores;
    STORE_EDB source;
    if (stores.GetStoreFromStoreNo(sourceStoreNo, &source) != 1) {
        return 0;
    }
    STORE_EDB record = copy;
    if (record.storeNo == 0) {
        record.storeNo = stores.GetNewStoreNo();
    }
    // The copy goes into a number nobody uses: no folder and no record.
    STORE_EDB taken;
    if (record.storeNo < 1 || record.storeNo > EDB_MAX_STORE ||
        stores.IsExistStoreNo(record.storeNo) ||
        stores.GetStoreFromStoreNo(record.storeNo, &taken)) {
        return 0;
    }
    stampRecord(record);
    const EdbConnection connection;
    if (!connection.CopyStoreFolder(sourceStoreNo, record.storeNo)) {
        // The copy fails either way; a folder that stays is one no table names.
        (void)connection.DeleteStoreFolder(record.storeNo, kWholeFolder);
        showError("Could not copy store folder.", caption);
        return 0;
    }
    // The copy has registers of its own: what the source's registers hold is no history of them.
    std::error_code error;
    std::filesystem::remove_all(historyFolderPath(record.storeNo), error);
    if (stores.AddStore(record) != 1) {
        // The copy fails either way; a folder that stays is one no table names.
        (void)connection.DeleteStoreFolder(record.storeNo, kWholeFolder);
        return 0;
    }
    copy = record;
    return 1;
}

int ConfirmDeleteStore(const STORE_EDB& store, const std::string& caption) {
    const std::string text = "\"" + store.storeName + "\"  \nAre you sure to delete all?";
    return tk73::ui().question(text, caption, tk73::Buttons::YesNo, tk73::Button::No,
                               tk73::MessageIcon::Exclamation) == tk73::Button::Yes
               ? 1
               : 0;
}

int DeleteStore(int storeNo, const std::string& caption) {
    CTK73edbStore stores;
    STORE_EDB record;
    if (stores.GetStoreFromStoreNo(storeNo, &record) != 1) {
        return 0;
    }
    const DatabaseSnapshot before;
    if (EmptyMachineList(storeNo, kVek) != 1 || EmptyMachineList(storeNo, kRegister) != 1 ||
        stores.DeleteStore(record) != 1) {
        before.Restore();
        return 0;
    }
    if (!EdbConnection().DeleteStoreFolder(storeNo, kWholeFolder)) {
        before.Restore();
        showError("Could not delete store folder.", caption);
        return 0;
    }
    return 1;
}

}  // namespace tk73store
