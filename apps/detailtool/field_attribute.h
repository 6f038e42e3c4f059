#pragma once
// The fields of a file as the target dialog lists them, and the attribute setting of one field:
// its title, whether the data editor shows it, whether it may be edited there, and its input mask.

#include <vector>

#include "definitions/def_reg.h"
#include "definitions/field_info.h"

namespace tk73dtl {

// Every field of the file with its display flag (mode 0: the hidden ones too).
std::vector<FIELD_INFO> readFileFields(const CTK73defReg& definition, int fileNo);

// Writes the field's title to "FIELD_TITLES" and its display, edit and mask to the file's field
// table; field.mask comes back as the definition stores it. False when a write failed.
bool storeFieldAttribute(const CTK73defReg& definition, int fileNo, FIELD_INFO& field);

}  // namespace tk73dtl
