#pragma once
// "PGMFILES": the model's program files in file order, each with its title.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"
#include "definitions/title_keys.h"

class CTK73defRegVekPGMFILES : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "PGMFILES";

    int GetValueCount() const { return files_.Count(); }
    // 0 and the outputs untouched for an index outside the list. title holds 257 bytes.
    [[nodiscard]] int GetValueFromIndex(int index, int* fileNo) const {
        return files_.NumberAt(index, fileNo);
    }
    [[nodiscard]] int GetValueFromIndex(int index, int* fileNo, char* title) const {
        return files_.TitleAt(IniFile(), index, fileNo, title);
    }
    // title is empty when the file has none; 1 when it has one.
    int GetValueFromFileNo(int fileNo, char* title) const {
        return files_.TitleOf(IniFile(), fileNo, title);
    }
    int SetValue(int fileNo, const char* title) {
        return files_.SetTitle(IniFile(), fileNo, title != nullptr ? title : "");
    }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    tk73def::TitleKeys files_{IniFile(), kSection};
};

using CTK73defPGMFILES = CTK73defKindForm<CTK73defRegVekPGMFILES, 0>;
using CTK73defVekPGMFILES = CTK73defKindForm<CTK73defRegVekPGMFILES, 1>;
