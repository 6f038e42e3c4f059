#pragma once
// "FIELD_TITLES": the title of each field number.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"
#include "definitions/title_keys.h"

class CTK73defRegVekFIELDTITLES : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "FIELD_TITLES";

    int GetValueCount() const { return titles_.Count(); }
    // Position of the field in the key list, -1 when absent.
    [[nodiscard]] int SearchValue(int fieldNo) const { return titles_.Search(fieldNo); }
    // 0 and the outputs untouched for an index outside the list. title holds 257 bytes.
    [[nodiscard]] int GetValueFromIndex(int index, int* fieldNo, char* title) const {
        return titles_.TitleAt(IniFile(), index, fieldNo, title);
    }
    int GetValueFromFieldNo(int fieldNo, char* title) const {
        return titles_.TitleOf(IniFile(), fieldNo, title);
    }
    [[nodiscard]] int SetValueFromFieldNo(int fieldNo, const char* title) {
        return titles_.SetTitle(IniFile(), fieldNo, title != nullptr ? title : "");
    }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    tk73def::TitleKeys titles_{IniFile(), kSection};
};

using CTK73defFIELDTITLES = CTK73defKindForm<CTK73defRegVekFIELDTITLES, 0>;
using CTK73defVekFIELDTITLES = CTK73defKindForm<CTK73defRegVekFIELDTITLES, 1>;
