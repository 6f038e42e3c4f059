#include "csvexchange/xch_import.h"

#include "base/file_utils.h"
#include "base/temp_files.h"
#include "base/user_interaction.h"
#include "csvexchange/xch_archive_base.h"
#include "csvexchange/xch_csv_picker.h"
#include "csvexchange/xch_file_select.h"
#include "definitions/def_file_inf.h"
#include "definitions/def_reg.h"
#include "platform/api.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/pgm_file_of_kind.h"
#include "programfiles/pgm_import.h"

namespace {

constexpr const char* kPackPrefix = "A55";

std::string mainteFile(int storeNo, int kind, int fileNo) {
    char path[TK73_MAX_PATH] = {};
    // The path whether or not the file exists yet; empty for a store without a maintenance folder.
    (void)tk73pgm::pgmFileOfKind(storeNo, kind)->CreateMainteFullPath(fileNo, path);
    return path;
}

}  // namespace

CTK73xchImport::CTK73xchImport() : CTK73xchImport(-1, 0) {}

CTK73xchImport::CTK73xchImport(int fileNo, int isVek)
    : CTK73xchImport(fileNo, tk73pgm::currentStoreNo(), nullptr, isVek) {
    if (m_nFileNo != -1) {
        m_targetPath = mainteFile(m_nStoreNo, Kind(), m_nFileNo);
    }
}

CTK73xchImport::CTK73xchImport(int fileNo, int storeNo, const char* targetPath, int isVek)
    : m_nFileNo(fileNo),
      m_nStoreNo(storeNo),
      m_targetPath(targetPath != nullptr ? targetPath : ""),
      m_bVek(isVek != 0) {}

int CTK73xchImport::ImportExecute() {
    const auto files = tk73pgm::pgmFileOfKind(m_nStoreNo, Kind());
    m_model = files->GetModel();
    if (m_model.indentName.empty()) {
        return 0;
    }
    if (m_nFileNo == -1) {
        const int chosen = tk73xch::selectProgramFile(
            tk73xch::FileSelectMode::Import, m_model.indentName.c_str(), m_nStoreNo, Kind());
        if (chosen == -1) {
            return 0;
        }
        m_nFileNo = chosen;
        m_targetPath = mainteFile(m_nStoreNo, Kind(), m_nFileNo);
    }
    char definition[TK73_MAX_PATH] = {};
    CTK73defReg(m_model.indentName.c_str(), m_nStoreNo, Kind()).GetDbIniFilePath(definition);
    const std::optional<std::string> source = SelectSourceFile(definition);
    if (!source) {
        return 0;
    }
    const int dataFile = files->NewCTK73defRegVekFILEINF(definition)->IsDataFile(m_nFileNo);
    CTK73pgmImport import(m_nFileNo, dataFile, m_nStoreNo, m_model.indentName.c_str(),
                          source->c_str(), m_targetPath.c_str(), Kind());
    const int backedUp = import.ImportCreateBkup();
    if (backedUp != 0) {
        if (import.ImportExecute() == 0) {
            if (import.GetDetailResult() == PGM_IMPORT_CANCELLED) {
                import.ImportDeleteBkup();
                return 0;
            }
        } else if (m_pPacker == nullptr || PackImported()) {
            import.ImportDeleteBkup();
            return backedUp;
        }
    }
    // Without a backup the program file was never touched, and must not be deleted either.
    if (backedUp != 0) {
        import.ImportRecoverBkup();
    }
    tk73::ui().message(kCsvImportFailed, kCsvImportCaption, tk73::MessageIcon::Exclamation);
    return 0;
}

std::optional<std::string> CTK73xchImport::SelectSourceFile(
    const std::string& definitionFile) const {
    std::optional<std::string> chosen =
        tk73xch::pickCsvFile(tk73xch::CsvDirection::Import, definitionFile.c_str(), Kind(), "");
    if (chosen) {
        tk73xch::rememberCsvFolder(tk73xch::CsvDirection::Import, definitionFile.c_str(), Kind(),
                                   *chosen);
    }
    return chosen;
}

bool CTK73xchImport::PackImported() const {
    char packed[TK73_MAX_PATH] = {};
    if (AecrbsMakeTempFileEx(packed, kPackPrefix, "", 1) != 1) {
        return false;
    }
    const bool done = m_pPacker->PackBinFile(packed, "", m_nFileNo) != 0;
    // A temporary archive left behind holds nothing the store needs.
    (void)AecrbsDeleteFile(packed);
    return done;
}
