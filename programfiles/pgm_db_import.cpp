#include "programfiles/pgm_db_import.h"

#include "definitions/def_file_inf.h"
#include "platform/api.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/pgm_file_of_kind.h"
#include "programfiles/pgm_import.h"

namespace {

std::string mainteFile(int storeNo, int kind, int fileNo) {
    char path[TK73_MAX_PATH] = {};
    // Empty when the store has no maintenance folder.
    (void)tk73pgm::pgmFileOfKind(storeNo, kind)->CreateMainteFullPath(fileNo, path);
    return path;
}

}  // namespace

CTK73pgmDbImport::CTK73pgmDbImport(int fileNo, int isVek)
    : CTK73pgmDbImport(fileNo, tk73pgm::currentStoreNo(), nullptr, isVek) {
    m_target = mainteFile(m_nStoreNo, m_nKind, m_nFileNo);
}

CTK73pgmDbImport::CTK73pgmDbImport(int fileNo, int storeNo, const char* target, int isVek)
    : m_nKind(isVek != 0 ? 1 : 0),
      m_nFileNo(fileNo),
      m_nStoreNo(storeNo),
      m_target(target != nullptr ? target : "") {}

int CTK73pgmDbImport::ImportExecute() {
    const auto current = tk73pgm::pgmFileOfKind(m_nStoreNo, m_nKind);
    const MODEL_EDB& model = current->GetModel();
    if (model.indentName.empty()) {
        return 0;
    }
    tk73pgm::ImportStoreRequest request(current->GetStore().branchNo, m_nStoreNo, m_nKind == 1);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok) {
        return 0;
    }
    const std::string source = mainteFile(request.selection.storeNo(), m_nKind, m_nFileNo);
    const int dataFile = current->NewCTK73defRegVekFILEINF(model.indentName.c_str(), m_nStoreNo)
                             ->IsDataFile(m_nFileNo);
    CTK73pgmImport import(m_nFileNo, dataFile, m_nStoreNo, model.indentName.c_str(), source.c_str(),
                          m_target.c_str(), m_nKind);
    return import.ImportExecute();
}
