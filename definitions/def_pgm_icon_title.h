#pragma once
// "PGMICONTITLE": the title shown under each file's icon in the program view.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"
#include "definitions/title_keys.h"

class CTK73defRegVekPGMICONTITLE : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "PGMICONTITLE";

    int GetValueCount() const { return titles_.Count(); }
    // Position of the file in the key list, -1 when absent.
    [[nodiscard]] int SearchValue(int fileNo) const { return titles_.Search(fileNo); }
    // 0 and the outputs untouched for an index outside the list. title holds 257 bytes.
    [[nodiscard]] int GetValueFromIndex(int index, int* fileNo, char* title) const {
        return titles_.TitleAt(IniFile(), index, fileNo, title);
    }
    int GetValueFromFileNo(int fileNo, char* title) const {
        return titles_.TitleOf(IniFile(), fileNo, title);
    }
    int SetValue(int fileNo, const char* title) {
        return titles_.SetTitle(IniFile(), fileNo, title != nullptr ? title : "");
    }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    tk73def::TitleKeys titles_{IniFile(), kSection};
};

using CTK73defPGMICONTITLE = CTK73defKindForm<CTK73defRegVekPGMICONTITLE, 0>;
using CTK73defVekPGMICONTITLE = CTK73defKindForm<CTK73defRegVekPGMICONTITLE, 1>;
