#include "apps/dataeditor/field_table.h"

#include "definitions/def_field_inf.h"
#include "definitions/def_file_fields.h"
#include "definitions/kind_forms.h"

namespace tk73edit {

std::vector<EditField> loadFieldTable(const std::string& definitionFile, int kind, int fileNo) {
    const CTK73defReg reg(definitionFile.c_str(), kind);
    const tk73def::NeighbourSection<CTK73defRegVekFILExxxx> fields(reg);
    const tk73def::NeighbourSection<CTK73defRegVekFIELDINF> kinds(reg);
    const int count = fields.GetPGMFieldCnt(fileNo);
    if (count <= 0) {
        return {};
    }
    std::vector<FIELD_INFO> infos(static_cast<size_t>(count));
    const int filled = fields.GetPGMFileField(fileNo, infos.data(), count, 1);
    fields.ChgBitInfoAttribute(fileNo, infos.data(), filled);
    std::vector<EditField> table;
    for (int i = 0; i < filled; ++i) {
        const FIELD_INFO& info = infos[static_cast<size_t>(i)];
        if (info.displayLength <= 0) {
            continue;
        }
        table.push_back({info.index, info.fieldNo, info.displayLength, info.attribute, info.title,
                         info.edit != 0, info.mask, kinds.IsBarCodeField(info.fieldNo) != 0});
    }
    return table;
}

}  // namespace tk73edit
