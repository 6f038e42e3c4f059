#include "csvexchange/xch_export.h"

#include "base/file_utils.h"
#include "base/user_interaction.h"
#include "csvexchange/xch_csv_picker.h"
#include "csvexchange/xch_file_select.h"
#include "csvexchange/xch_integration_file.h"
#include "definitions/def_reg.h"
#include "definitions/model_info.h"
#include "platform/api.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/pgm_file_of_kind.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr const char* kExportFailed = "Error end. File could not output.";
// The register code is cut to this many characters.
constexpr size_t kRegisterCodeLength = 10;

}  // namespace

CTK73xchExport::CTK73xchExport() : CTK73xchExport(-1, 0) {}

CTK73xchExport::CTK73xchExport(int fileNo, int isVek) : CTK73xchExport(fileNo, nullptr, isVek) {
    if (m_nFileNo != -1) {
        char path[TK73_MAX_PATH] = {};
        tk73pgm::pgmFileOfKind(m_nStoreNo, Kind())->CreateDefaultFullPath(m_nFileNo, path);
        m_sourcePath = path;
    }
}

CTK73xchExport::CTK73xchExport(int fileNo, const char* sourcePath, int isVek)
    : m_nStoreNo(tk73pgm::currentStoreNo()),
      m_nFileNo(fileNo),
      m_sourcePath(sourcePath != nullptr ? sourcePath : ""),
      m_bVek(isVek != 0),
      m_stamp(tk73xch::integrationStamp()) {
    const auto files = tk73pgm::pgmFileOfKind(m_nStoreNo, Kind());
    m_store = files->GetStore();
    m_model = files->GetModel();
}

std::string CTK73xchExport::DefinitionFile() const {
    char path[TK73_MAX_PATH] = {};
    if (m_model.indentName.empty()) {
        return "";
    }
    CTK73defReg(m_model.indentName.c_str(), m_nStoreNo, Kind()).GetDbIniFilePath(path);
    return path;
}

int CTK73xchExport::ExportExecute() {
    const auto files = tk73pgm::pgmFileOfKind(m_nStoreNo, Kind());
    if (m_nFileNo == -1) {
        const int chosen = tk73xch::selectProgramFile(
            tk73xch::FileSelectMode::Export, m_model.indentName.c_str(), m_nStoreNo, Kind());
        if (chosen == -1) {
            return 0;
        }
        m_nFileNo = chosen;
        char path[TK73_MAX_PATH] = {};
        // A file that does not exist fails the read that follows.
        (void)files->CreateMainteFullPath(m_nFileNo, path);
        m_sourcePath = path;
    }
    const std::string definition = DefinitionFile();
    char name[TK73_MAX_PATH] = {};
    files->CreatePgmFileName(m_nFileNo, name, 0);
    const std::optional<std::string> chosen =
        tk73xch::pickCsvFile(tk73xch::CsvDirection::Export, definition.c_str(), Kind(), name);
    if (!chosen) {
        return 0;
    }
    if (m_nFileNo == tk73xch::kIntegrationFileNo) {
        if (WriteIntegrationFile(*chosen) != 1) {
            tk73::ui().message(kExportFailed, tk73xch::kIntegrationCaption,
                               tk73::MessageIcon::Error);
        }
    } else if (AecrbsCopyFile(m_sourcePath.c_str(), chosen->c_str(), 0) == 0) {
        // A file that could not be written is no export: the user hears so, as for the data
        // integration file.
        tk73::ui().message(kExportFailed, tk73xch::kCsvCaption, tk73::MessageIcon::Error);
    }
    tk73xch::rememberCsvFolder(tk73xch::CsvDirection::Export, definition.c_str(), Kind(), *chosen);
    return 1;
}

int CTK73xchExport::WriteIntegrationFile(const std::string& path) const {
    const auto files = tk73pgm::pgmFileOfKind(m_nStoreNo, Kind());
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (files->GetMaintePath(mainte, 0) == 0) {
        return 0;
    }
    files->GetDefaultPath(defaults);
    CPgmHandle handle;
    if (handle.Open(DefinitionFile().c_str(), mainte, defaults) != 1) {
        return 0;
    }
    return tk73xch::writeIntegrationFile(path, handle, m_stamp, RegisterCode());
}

std::string CTK73xchExport::RegisterCode() const {
    Machine_Information model;
    if (CMdlInfo().GetMcnInfoForIndentName(1, m_model.indentName.c_str(), &model) != 1) {
        return "";
    }
    return model.rmCode.substr(0, kRegisterCodeLength);
}
