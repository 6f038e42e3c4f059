#include "csvexchange/xch_csv_picker.h"

#include "base/user_interaction.h"
#include "definitions/def_file_export.h"
#include "definitions/def_file_import.h"
#include "definitions/def_reg.h"
#include "platform/api.h"
#include "platform/known_folders.h"
#include "platform/path_rule.h"

#include <filesystem>

namespace tk73xch {

namespace {

constexpr const char* kCsv = "CSV";

std::string storedFolder(CsvDirection direction, const CTK73defReg& definition) {
    char folder[TK73_MAX_PATH] = {};
    if (direction == CsvDirection::Export) {
        tk73def::NeighbourSection<CTK73defRegVekFILE_EXPORT>(definition).GetExportPath(folder);
    } else {
        tk73def::NeighbourSection<CTK73defRegVekFILE_IMPORT>(definition).GetImportPath(folder);
    }
    return folder;
}

std::string startFolder(const std::string& stored) {
    std::error_code error;
    if (!stored.empty() && std::filesystem::is_directory(stored, error)) {
        return stored + tk73::pathSeparatorOf(stored);
    }
    return tk73::knownFolderPath(tk73::KnownFolder::Documents);
}

}  // namespace

std::optional<std::string> pickCsvFile(CsvDirection direction, const char* definitionFile, int kind,
                                       const std::string& fileName) {
    const CTK73defReg definition(definitionFile, kind);
    tk73::FileRequest request;
    request.types = {{std::string(kCsv) + " File", std::string("*.") + kCsv}};
    request.folder = startFolder(storedFolder(direction, definition));
    request.fileName = fileName;
    request.defaultExtension = kCsv;
    std::optional<std::string> chosen = direction == CsvDirection::Export
                                            ? tk73::ui().saveFile(request)
                                            : tk73::ui().openFile(request);
    if (chosen && chosen->empty()) {
        return std::nullopt;
    }
    return chosen;
}

void rememberCsvFolder(CsvDirection direction, const char* definitionFile, int kind,
                       const std::string& chosen) {
    const CTK73defReg definition(definitionFile, kind);
    const size_t separator = tk73::lastSeparatorAt(chosen);
    const std::string folder = separator == std::string::npos ? "" : chosen.substr(0, separator);
    if (direction == CsvDirection::Export) {
        tk73def::NeighbourSection<CTK73defRegVekFILE_EXPORT>(definition)
            .SetExportPath(folder.c_str());
    } else {
        tk73def::NeighbourSection<CTK73defRegVekFILE_IMPORT>(definition)
            .SetImportPath(folder.c_str());
    }
}

}  // namespace tk73xch
