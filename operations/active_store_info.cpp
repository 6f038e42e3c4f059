#include "operations/active_store_info.h"

#include <memory>

#include "base/install_folders.h"
#include "base/out_buffer.h"
#include "base/registry_settings.h"
#include "definitions/def_reg.h"
#include "operations/working_store.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

CTK73opsActiveStoreInfo::CTK73opsActiveStoreInfo() {
    CTK73edbStore().GetStoreFromStoreNo(tk73pgm::currentStoreNo(), &store_);
    CTK73edbModel().GetModelFromModelNo(store_.regModelNo, &regModel_);
    CTK73edbVekModel().GetModelFromModelNo(store_.vekModelNo, &vekModel_);
}

int CTK73opsActiveStoreInfo::GetPathInfo(char* iniPath, char* mainteFolder, char* defaultFolder,
                                         int vek) const {
    const int kind = vek == 1 ? 1 : 0;
    const MODEL_EDB& model = kind == 1 ? vekModel_ : regModel_;
    // Without a store the definition would fall back to the shipped default file, which no
    // editor may change.
    if (store_.storeNo < 1 || model.indentName.empty()) {
        (void)tk73::putPath(iniPath, "");  // empties iniPath
        return 0;
    }
    if (CTK73defReg(model.indentName.c_str(), store_.storeNo, kind).GetDbIniFilePath(iniPath) !=
        1) {
        return 0;
    }
    std::unique_ptr<CTK73pgmRegVekPgmFile> files;
    if (kind == 1) {
        files = std::make_unique<CTK73pgmVekPgmFile>(store_.storeNo);
    } else {
        files = std::make_unique<CTK73pgmPgmFile>(store_.storeNo);
    }
    if (files->GetMaintePath(mainteFolder, 0) != 1) {
        return 0;
    }
    files->GetDefaultPath(defaultFolder);
    return 1;
}
