#pragma once
// "FILE%04d": the fields of one program file's records as the program view shows them, with the
// user's display, edit and mask settings per field.

#include <vector>

#include "definitions/def_section.h"
#include "definitions/field_info.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekFILExxxx : public CTK73defRegVekSection {
  public:
    // "PGM_FIELD_NUM" of the file, 0 when missing.
    [[nodiscard]] int GetPGMFieldCnt(int fileNo) const;
    // Fills one entry per "F%02dN" key with a "P" mark, for n = 1 to maxFields; returns the
    // number of entries filled. Mode 1 leaves out the fields whose display is "OFF" and stores
    // the display flag of the others as 0.
    [[nodiscard]] int GetPGMFileField(int fileNo, FIELD_INFO* out, int maxFields, int mode) const;
    // The entries GetPGMFileField fills for the "PGM_FIELD_NUM" fields of the file.
    std::vector<FIELD_INFO> GetPGMFileFields(int fileNo, int mode) const;
    // Writes each entry's edit flag and mask (normalised into the entry first) and, in mode 1,
    // its display flag. 1 when every write succeeded.
    [[nodiscard]] int SetPGMFileField(int fileNo, FIELD_INFO* fields, int count, int mode) const;
    // Bit fields are shown as plain numbers: attribute bit becomes plain. Returns the number of
    // entries changed.
    int ChgBitInfoAttribute(int fileNo, FIELD_INFO* fields, int count) const;

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;
};

using CTK73defFILExxxx = CTK73defKindForm<CTK73defRegVekFILExxxx, 0>;
using CTK73defVekFILExxxx = CTK73defKindForm<CTK73defRegVekFILExxxx, 1>;
