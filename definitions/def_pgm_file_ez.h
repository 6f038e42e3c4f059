#pragma once
// "PGMFILES_EZ": the program files offered in easy mode.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekPGMFILE_EZ : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "PGMFILES_EZ";

    int GetValueCount() const { return files_.GetCount(); }
    // 0 and *fileNo untouched for an index outside the list.
    [[nodiscard]] int GetValueFromIndex(int index, int* fileNo) const {
        return files_.GetAt(index, fileNo);
    }
    [[nodiscard]] int IsEZFile(int fileNo) const { return files_.Contains(fileNo) ? 1 : 0; }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList files_ = ReadList(kSection, "FILES");
};

using CTK73defPGMFILE_EZ = CTK73defKindForm<CTK73defRegVekPGMFILE_EZ, 0>;
using CTK73defVekPGMFILE_EZ = CTK73defKindForm<CTK73defRegVekPGMFILE_EZ, 1>;
