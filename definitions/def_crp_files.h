#pragma once
// "CRP_FILES": the files packed into an archive, those packed individually, the archive folder
// and the archive button's state.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekCRPFILES : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "CRP_FILES";
    static constexpr uint32_t kMaxFolder = 1023;

    int GetValueCount() const { return files_.GetCount(); }
    // 0 and *fileNo untouched for an index outside the list.
    [[nodiscard]] int GetValueFromIndex(int index, int* fileNo) const {
        return files_.GetAt(index, fileNo);
    }
    int GetIndividualValueCount() const { return individual_.GetCount(); }
    int GetIndividualValueFromIndex(int index, int* fileNo) const {
        return individual_.GetAt(index, fileNo);
    }
    // out holds kMaxFolder + 1 bytes; 1 when a folder is stored.
    [[nodiscard]] int GetCrpIniPath(char* out) const {
        return ReadFolder(kSection, "INIPATH", kMaxFolder, out);
    }
    [[nodiscard]] int SetCrpIniPath(const char* folder) const {
        return WriteFolder(kSection, "INIPATH", folder);
    }
    // 0 when "OFF" in any letter case; missing or anything else is 1.
    int GetCrpButtonState() const { return ReadOnOff(kSection, "BTNSTATE"); }
    [[nodiscard]] int SetCrpButtonState(int on) const {
        return WriteOnOff(kSection, "BTNSTATE", on);
    }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList files_ = ReadList(kSection, "FILES");
    CIniNumList individual_ = ReadList(kSection, "INDIVIDUAL");
};

using CTK73defCRPFILES = CTK73defKindForm<CTK73defRegVekCRPFILES, 0>;
using CTK73defVekCRPFILES = CTK73defKindForm<CTK73defRegVekCRPFILES, 1>;
