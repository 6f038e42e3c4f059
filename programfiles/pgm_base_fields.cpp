#include "programfiles/pgm_base_fields.h"

#include "definitions/def_file_fields.h"
#include "definitions/def_file_import.h"
#include "definitions/kind_forms.h"

namespace tk73pgm {

namespace {

// The opening quote of a value, and its closing quote and comma before the next.
constexpr int kQuoteBefore = 2;
constexpr int kBetweenValues = 3;

}  // namespace

std::vector<BaseFieldPlace> baseFieldTable(const CTK73defReg& definition, int fileNo,
                                           int numberWidth) {
    const tk73def::NeighbourSection<CTK73defRegVekFILExxxx> view(definition);
    const tk73def::NeighbourSection<CTK73defRegVekFILE_IMPORT> import(definition);
    std::vector<BaseFieldPlace> table;
    int offset = numberWidth + kQuoteBefore;
    for (const FIELD_INFO& field : view.GetPGMFileFields(fileNo, 0)) {
        if (import.IsBaseField(field.fieldNo) != 0) {
            table.push_back({field.fieldNo, offset, field.displayLength});
        }
        offset += field.displayLength + kBetweenValues;
    }
    return table;
}

std::vector<BaseFieldPlace> packedBaseFields(const std::vector<BaseFieldPlace>& fields,
                                             int numberWidth) {
    std::vector<BaseFieldPlace> packed;
    int offset = numberWidth + kQuoteBefore;
    for (const BaseFieldPlace& field : fields) {
        packed.push_back({field.fieldNo, offset, field.length});
        offset += field.length + kBetweenValues;
    }
    return packed;
}

}  // namespace tk73pgm
