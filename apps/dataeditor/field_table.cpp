#include "apps/dataeditor/field_table.h"

#include "definitions/def_field_inf.h"
#include "definitions/def_file_fields.h"
#include "definitions/kind_forms.h"

namespace tk73edit {

std::vector<EditField> loadFieldTable(const std::string& definitionFile, int kind, int fileNo) {
    const CTK73defReg reg(definitionFile.c_str(), kind);
    const tk73def::NeighbourSection<CTK73defRegVekFILExxxx> fields(reg);
    const tk73def::NeighbourSection<CTK73defRegVekFIELDINF> kinds(reg);
    std::vector<FIELD_INFO> infos = fields.GetPGMFileFields(fileNo, 1);
    fields.ChgBitInfoAttribute(fileNo, infos.data(), static_cast<int>(infos.size()));
    std::vector<EditField> table;
    for (const FIELD_INFO& info : infos) {
        if (info.displayLength <= 0) {
            continue;
        }
        table.push_back({info.index, info.fieldNo, info.displayLength, info.attribute, info.title,
                         info.edit != 0, info.mask, kinds.IsBarCodeField(info.fieldNo) != 0});
    }
    return table;
}

}  // namespace tk73edit
