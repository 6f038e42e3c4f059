#pragma once
// "TK73DTL_POPUPMENU": the files for which the detail setting tool's pop-up menu is off.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekTK73DTL_POPUPMENU : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "TK73DTL_POPUPMENU";

    int GetValueCount() const { return menuOffFiles_.GetCount(); }
    // 0 and *fileNo untouched for an index outside the list.
    [[nodiscard]] int GetValueFromIndex(int index, int* fileNo) const {
        return menuOffFiles_.GetAt(index, fileNo);
    }
    // 1 when the file is in "MENUOFFFILES".
    [[nodiscard]] int IsPopupMenu(int fileNo) const {
        return menuOffFiles_.Contains(fileNo) ? 1 : 0;
    }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList menuOffFiles_ = ReadList(kSection, "MENUOFFFILES");
};

using CTK73defTK73DTL_POPUPMENU = CTK73defKindForm<CTK73defRegVekTK73DTL_POPUPMENU, 0>;
using CTK73defVekTK73DTL_POPUPMENU = CTK73defKindForm<CTK73defRegVekTK73DTL_POPUPMENU, 1>;
