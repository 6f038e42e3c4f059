#include "apps/detailtool/file_rows.h"

#include <cstdio>

#include "definitions/def_file_inf.h"
#include "definitions/def_pgm_files.h"
#include "definitions/def_pgm_icon_title.h"
#include "definitions/kind_forms.h"

namespace tk73dtl {

std::vector<FileRow> readFileRows(const CTK73defReg& definition) {
    const tk73def::NeighbourSection<CTK73defRegVekPGMFILES> files(definition);
    const tk73def::NeighbourSection<CTK73defRegVekPGMICONTITLE> icons(definition);
    const tk73def::NeighbourSection<CTK73defRegVekFILEINF> fileInf(definition);
    std::vector<FileRow> rows;
    for (int index = 0; index < files.GetValueCount(); ++index) {
        char title[257] = {};
        char iconTitle[257] = {};
        FileRow row;
        if (files.GetValueFromIndex(index, &row.fileNo, title) == 0) {
            continue;
        }
        icons.GetValueFromFileNo(row.fileNo, iconTitle);
        row.title = title;
        row.iconTitle = iconTitle;
        row.shown = fileInf.IsViewFile(row.fileNo) == 1;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string fileNumberText(int fileNo) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", fileNo);
    return text;
}

}  // namespace tk73dtl
