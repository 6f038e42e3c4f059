#include "csvexchange/xch_file_select.h"

#include "definitions/def_file_export.h"
#include "definitions/def_file_import.h"
#include "definitions/def_pgm_files.h"
#include "definitions/def_reg.h"

namespace tk73xch {

namespace {

// "PGMFILES" titles hold at most 256 characters.
constexpr size_t kTitleRoom = 257;

std::vector<int> offeredFiles(FileSelectMode mode, const CTK73defReg& definition) {
    std::vector<int> files;
    int fileNo = 0;
    if (mode == FileSelectMode::Export) {
        const tk73def::NeighbourSection<CTK73defRegVekFILE_EXPORT> exports(definition);
        for (int index = 0; exports.GetValueFromIndex(index, &fileNo) == 1; ++index) {
            files.push_back(fileNo);
        }
    } else {
        const tk73def::NeighbourSection<CTK73defRegVekFILE_IMPORT> imports(definition);
        for (int index = 0; imports.GetFileValueFromIndex(index, &fileNo) == 1; ++index) {
            files.push_back(fileNo);
        }
    }
    return files;
}

}  // namespace

std::vector<FileSelectRow> fileSelectRows(FileSelectMode mode, const char* indentName, int storeNo,
                                          int kind) {
    const CTK73defReg definition(indentName, storeNo, kind);
    const tk73def::NeighbourSection<CTK73defRegVekPGMFILES> titles(definition);
    std::vector<FileSelectRow> rows;
    for (const int fileNo : offeredFiles(mode, definition)) {
        char title[kTitleRoom] = {};
        if (mode == FileSelectMode::Export && fileNo == kIntegrationFileNo) {
            rows.push_back({fileNo, kIntegrationTitle});
            continue;
        }
        titles.GetValueFromFileNo(fileNo, title);
        rows.push_back({fileNo, title});
    }
    return rows;
}

int selectProgramFile(FileSelectMode mode, const char* indentName, int storeNo, int kind) {
    FileSelectRequest request;
    request.mode = mode;
    request.rows = fileSelectRows(mode, indentName, storeNo, kind);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok) {
        return -1;
    }
    return request.fileNo;
}

}  // namespace tk73xch
