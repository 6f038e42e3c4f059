#pragma once
// "FIELD_INF": which field numbers hold quantities, characters, prices, bits, item codes and bar
// codes.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekFIELDINF : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "FIELD_INF";

    [[nodiscard]] int IsQtyField(int fieldNo) const { return qty_.Contains(fieldNo) ? 1 : 0; }
    [[nodiscard]] int IsCharField(int fieldNo) const { return chars_.Contains(fieldNo) ? 1 : 0; }
    [[nodiscard]] int IsPriceField(int fieldNo) const { return price_.Contains(fieldNo) ? 1 : 0; }
    [[nodiscard]] int IsPluCodeField(int fieldNo) const {
        return pluCode_.Contains(fieldNo) ? 1 : 0;
    }
    [[nodiscard]] int IsBitField(int fieldNo) const { return bits_.Contains(fieldNo) ? 1 : 0; }
    [[nodiscard]] int IsBarCodeField(int fieldNo) const {
        return barCode_.Contains(fieldNo) ? 1 : 0;
    }

    int GetQtyFieldsValueCount() const { return qty_.GetCount(); }
    int GetCharFieldsValueCount() const { return chars_.GetCount(); }
    int GetPriceFieldsValueCount() const { return price_.GetCount(); }
    int GetPluCodeFieldsValueCount() const { return pluCode_.GetCount(); }
    int GetBitFieldsValueCount() const { return bits_.GetCount(); }
    int GetBarCodeFieldsValueCount() const { return barCode_.GetCount(); }

    // 1 and *out = the field number at a zero-based index; 0 and *out untouched outside the list.
    [[nodiscard]] int GetQtyFieldsValueFromIndex(int index, int* out) const {
        return qty_.GetAt(index, out);
    }
    int GetCharFieldsValueFromIndex(int index, int* out) const { return chars_.GetAt(index, out); }
    int GetPriceFieldsValueFromIndex(int index, int* out) const { return price_.GetAt(index, out); }
    int GetPluCodeFieldsValueFromIndex(int index, int* out) const {
        return pluCode_.GetAt(index, out);
    }
    int GetBitFieldsValueFromIndex(int index, int* out) const { return bits_.GetAt(index, out); }
    int GetBarCodeFieldsValueFromIndex(int index, int* out) const {
        return barCode_.GetAt(index, out);
    }

    // The FieldAttribute of a field: the first list that holds it in the order quantity,
    // characters, price, item code, bit; plain when none does (bar codes get no attribute).
    int GetFieldAttribute(int fieldNo) const;

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList qty_ = ReadList(kSection, "QTYFIELDS");
    CIniNumList chars_ = ReadList(kSection, "CHARFIELDS");
    CIniNumList price_ = ReadList(kSection, "PRICEFIELDS");
    CIniNumList bits_ = ReadList(kSection, "BITFIELDS");
    CIniNumList pluCode_ = ReadList(kSection, "PLUCODEFIELDS");
    CIniNumList barCode_ = ReadList(kSection, "BARCODEFIELDS");
};

using CTK73defFIELDINF = CTK73defKindForm<CTK73defRegVekFIELDINF, 0>;
using CTK73defVekFIELDINF = CTK73defKindForm<CTK73defRegVekFIELDINF, 1>;
