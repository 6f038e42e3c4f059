#pragma once
// "MODELFUNCTION": which functions the model offers. A function is on only when its value is
// "ON" in any letter case; the shipped defaults ("OFF", "GRAYOUT") are both off. Read once.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekMODELFUNCTION : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "MODELFUNCTION";

    int IsTouchKeyModel() const { return touchKey_; }
    int IsCrzFileModel() const { return crzFile_; }
    int IsCustomersSetupModel() const { return customersSetup_; }
    int IsRegConnectModel() const { return regConnect_; }
    int IsDetailSetupModel() const { return detailSetup_; }
    int IsBinEditModel() const { return binEdit_; }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    int touchKey_ = IsOn(kSection, "TOUCHKEY");
    int crzFile_ = IsOn(kSection, "CRZFILE");
    int customersSetup_ = IsOn(kSection, "CUSTOMERSSETUP");
    int regConnect_ = IsOn(kSection, "REGCONNECT");
    int detailSetup_ = IsOn(kSection, "DETAILSETUP");
    int binEdit_ = IsOn(kSection, "BINEDIT");
};

using CTK73defMODELFUNCTION = CTK73defKindForm<CTK73defRegVekMODELFUNCTION, 0>;
using CTK73defVekMODELFUNCTION = CTK73defKindForm<CTK73defRegVekMODELFUNCTION, 1>;
