#pragma once
// "TCP/IP": the address of each networked register, key "ECR%02d" of its number.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekTCPIP : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "TCP/IP";

    int SetValue(int registerNo, const char* address) const;

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;
};

using CTK73defTCPIP = CTK73defKindForm<CTK73defRegVekTCPIP, 0>;
using CTK73defVekTCPIP = CTK73defKindForm<CTK73defRegVekTCPIP, 1>;
