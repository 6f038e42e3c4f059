#pragma once
// The register and Vek forms of every definition section class.
//
// A section group X has one working class, CTK73defRegVekX, which takes the model's kind at
// run time. Its register form CTK73defX and its Vek form CTK73defVekX are this template with the
// kind fixed, so each group's code exists once:
//
//   using CTK73defCF = CTK73defKindForm<CTK73defRegVekCF, 0>;
//   using CTK73defVekCF = CTK73defKindForm<CTK73defRegVekCF, 1>;

#include "definitions/def_reg.h"

template <class Working, int Kind>
class CTK73defKindForm : public Working {
  public:
    static constexpr int kKind = Kind;

    // The definition file at path (it is its own store file).
    explicit CTK73defKindForm(const char* path) : Working(path, Kind) {}
    // The model's definition in a store (store 0 or less: the shipped default).
    CTK73defKindForm(const char* indentName, int storeNo) : Working(indentName, storeNo, Kind) {}

    void AbstractDummy() override {}
};

namespace tk73def {

// A section read from the same definition file, and with the same kind, as another section
// object: some sections consult their neighbours (the field kinds, the data files, the titles).
template <class Working>
class NeighbourSection final : public Working {
  public:
    explicit NeighbourSection(const CTK73defReg& reg)
        : Working(reg.GetDbIniFile().c_str(), reg.GetKind()) {}

    void AbstractDummy() override {}
};

}  // namespace tk73def
