#include "spreadsheet/sheet_columns.h"

#include "definitions/def_field_inf.h"
#include "definitions/def_file_fields.h"
#include "definitions/kind_forms.h"
#include "programfiles/pgm_item_def.h"
#include "spreadsheet/field_item.h"

namespace tk73sheet {

namespace {

// Numbers beyond this many digits do not survive a spreadsheet's floating-point cells whole.
constexpr int kMaxNumberDigits = 15;

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

uint64_t widestNumber(int digits) {
    uint64_t highest = 0;
    for (int i = 0; i < digits; ++i) {
        highest = highest * 10 + 9;
    }
    return highest;
}

std::vector<SheetColumn> sheetColumns(const std::string& definitionFile, int kind, int fileNo) {
    const CTK73defReg reg(definitionFile.c_str(), kind);
    const tk73def::NeighbourSection<CTK73defRegVekFILExxxx> fields(reg);
    const tk73def::NeighbourSection<CTK73defRegVekFIELDINF> kinds(reg);
    const FieldItems items(definitionFile);
    std::vector<SheetColumn> columns;
    for (const FIELD_INFO& info : fields.GetPGMFileFields(fileNo, 1)) {
        if (info.displayLength <= 0) {
            continue;
        }
        SheetColumn column;
        column.index = info.index;
        column.fieldNo = info.fieldNo;
        column.title = trimmed(info.title);
        column.width = info.displayLength;
        column.itemCode = info.attribute == FIELD_ATTR_PLUCODE;
        column.barCode = kinds.IsBarCodeField(info.fieldNo) != 0;
        column.editable = info.edit != 0;
        column.mask = info.mask;
        const std::optional<FieldItem> item = items.Find(fileNo, info.fieldNo, column.width);
        column.unique = item && item->unique;
        const bool decimal =
            info.attribute == FIELD_ATTR_PRICE || (item && item->dataType == PGM_DATA_DIGIT);
        if (info.attribute == FIELD_ATTR_CHAR) {
            column.kind = ColumnKind::Text;
        } else if (decimal && column.width <= kMaxNumberDigits) {
            column.kind = ColumnKind::Number;
            column.decimals = item ? item->decimals : 0;
            column.highest = widestNumber(column.width);
            if (item && item->range && item->range->second <= column.highest) {
                column.lowest = item->range->first;
                column.highest = item->range->second;
            }
            if (item) {
                column.choices = item->values;
            }
        } else {
            column.digitsOnly = info.attribute == FIELD_ATTR_PRICE;
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

}  // namespace tk73sheet
