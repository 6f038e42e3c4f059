#include "definitions/def_field_inf.h"

#include "definitions/field_info.h"

int CTK73defRegVekFIELDINF::GetFieldAttribute(int fieldNo) const {
    if (IsQtyField(fieldNo)) {
        return FIELD_ATTR_QTY;
    }
    if (IsCharField(fieldNo)) {
        return FIELD_ATTR_CHAR;
    }
    if (IsPriceField(fieldNo)) {
        return FIELD_ATTR_PRICE;
    }
    if (IsPluCodeField(fieldNo)) {
        return FIELD_ATTR_PLUCODE;
    }
    if (IsBitField(fieldNo)) {
        return FIELD_ATTR_BIT;
    }
    return FIELD_ATTR_PLAIN;
}
