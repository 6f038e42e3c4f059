#include "spreadsheet/program_sheet.h"

#include "definitions/def_pgm_files.h"
#include "definitions/field_info.h"

namespace tk73sheet {

ProgramSheet programSheet(const std::string& definitionFile, int kind, const std::string& model,
                          int fileNo, const std::string& path) {
    const CTK73defReg reg(definitionFile.c_str(), kind);
    char title[FIELD_INFO::kMaxText + 1] = {};
    tk73def::NeighbourSection<CTK73defRegVekPGMFILES>(reg).GetValueFromFileNo(fileNo, title);
    std::string text = title;
    const size_t last = text.find_last_not_of(' ');
    text.resize(last == std::string::npos ? 0 : last + 1);
    return {definitionFile, kind, model, fileNo, text, path};
}

}  // namespace tk73sheet
