#pragma once
// "FILE_CONVERT": the files that take part in file conversion, and the item files among them.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekFILE_CONVERT : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "FILE_CONVERT";

    int GetFileValueCount() const { return files_.GetCount(); }
    // 0 and *fileNo untouched for an index outside the list.
    [[nodiscard]] int GetFileValueFromIndex(int index, int* fileNo) const {
        return files_.GetAt(index, fileNo);
    }
    [[nodiscard]] int IsConvertFile(int fileNo) const { return files_.Contains(fileNo) ? 1 : 0; }
    [[nodiscard]] int IsItemConvertFile(int fileNo) const {
        return itemFiles_.Contains(fileNo) ? 1 : 0;
    }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList files_ = ReadList(kSection, "FILES");
    CIniNumList itemFiles_ = ReadList(kSection, "ITEMCONVFILES");
};

using CTK73defFILE_CONVERT = CTK73defKindForm<CTK73defRegVekFILE_CONVERT, 0>;
using CTK73defVekFILE_CONVERT = CTK73defKindForm<CTK73defRegVekFILE_CONVERT, 1>;
