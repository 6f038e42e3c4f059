#include "apps/detailtool/field_attribute.h"

#include "definitions/def_field_titles.h"
#include "definitions/def_file_fields.h"
#include "definitions/kind_forms.h"

namespace tk73dtl {

namespace {

// Mode 0 of the field table: every field, with its display flag.
constexpr int kAllFields = 0;
// The "F%02dN" keys a file can have; fields without a program view mark sit among them, so the
// count of program view fields is not where the keys end.
constexpr int kFieldKeys = 99;
// Mode 1 of the field table writes the display flag with the edit flag and the mask.
constexpr int kWithDisplay = 1;

}  // namespace

std::vector<FIELD_INFO> readFileFields(const CTK73defReg& definition, int fileNo) {
    const tk73def::NeighbourSection<CTK73defRegVekFILExxxx> table(definition);
    if (table.GetPGMFieldCnt(fileNo) <= 0) {
        return {};
    }
    std::vector<FIELD_INFO> fields(kFieldKeys);
    fields.resize(
        static_cast<size_t>(table.GetPGMFileField(fileNo, fields.data(), kFieldKeys, kAllFields)));
    return fields;
}

bool storeFieldAttribute(const CTK73defReg& definition, int fileNo, FIELD_INFO& field) {
    tk73def::NeighbourSection<CTK73defRegVekFIELDTITLES> titles(definition);
    bool stored = titles.SetValueFromFieldNo(field.fieldNo, field.title.c_str()) == 1;
    const tk73def::NeighbourSection<CTK73defRegVekFILExxxx> table(definition);
    stored = table.SetPGMFileField(fileNo, &field, 1, kWithDisplay) == 1 && stored;
    for (const FIELD_INFO& read : readFileFields(definition, fileNo)) {
        if (read.fieldNo == field.fieldNo) {
            field.mask = read.mask;
        }
    }
    return stored;
}

}  // namespace tk73dtl
