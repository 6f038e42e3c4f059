#include "programfiles/cmn_mainte_base.h"

#include <memory>

#include "definitions/def_reg.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace {

constexpr int kRegisterKind = 0;
constexpr int kVekKind = 1;

}  // namespace

int CCmnMainteBase::Initialize(int storeNo) {
    *this = CCmnMainteBase();
    if (!CTK73edbStore().GetStoreFromStoreNo(storeNo, &m_store)) {
        return 0;
    }
    m_bHasVek = CTK73edbVekModel().GetModelFromModelNo(m_store.vekModelNo, &m_vekModel) ? 1 : 0;
    m_bHasRegister = CTK73edbModel().GetModelFromModelNo(m_store.regModelNo, &m_regModel) ? 1 : 0;
    if (m_bHasVek) {
        OpenHandle(kVekKind);
    }
    if (m_bHasRegister) {
        OpenHandle(kRegisterKind);
    }
    return 1;
}

void CCmnMainteBase::OpenHandle(int kind) {
    const MODEL_EDB& model = kind == kVekKind ? m_vekModel : m_regModel;
    CCmnMaintePgmHandle& handle = kind == kVekKind ? m_vekHandle : m_regHandle;
    char definition[TK73_MAX_PATH] = {};
    if (CTK73defReg(model.indentName.c_str(), m_store.storeNo, kind).GetDbIniFilePath(definition) !=
        1) {
        return;
    }
    std::unique_ptr<CTK73pgmRegVekPgmFile> files;
    if (kind == kVekKind) {
        files = std::make_unique<CTK73pgmVekPgmFile>(m_store.storeNo);
    } else {
        files = std::make_unique<CTK73pgmPgmFile>(m_store.storeNo);
    }
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (files->GetMaintePath(mainte, 0) != 1) {
        return;
    }
    // A handle that cannot be opened stays closed, which its users ask before they use it; a
    // default folder that is unknown stays empty.
    (void)files->GetDefaultPath(defaults);
    (void)handle.OpenMainte(definition, mainte, defaults, model.indentName);
}
