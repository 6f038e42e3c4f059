#pragma once
// "FILE_INF": the data, icon, special, bitmap, logo and sound files of a model, and the record
// layout of a program file.

#include <cstdint>
#include <vector>

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"
#include "definitions/record_information.h"

class CTK73defRegVekFILEINF : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "FILE_INF";

    int GetDataFilesValueCount() const { return dataFiles_.GetCount(); }
    int GetPgmIconsValueCount() const { return pgmIcons_.GetCount(); }
    int GetSpecialFilesValueCount() const { return specialFiles_.GetCount(); }
    int GetBmpFilesValueCount() const { return bmpFiles_.GetCount(); }
    int GetLogoFilesValueCount() const { return logoFiles_.GetCount(); }
    int GetSoundFilesValueCount() const { return soundFiles_.GetCount(); }

    // 1 and *out = the file number at a zero-based index; 0 and *out untouched outside the list.
    [[nodiscard]] int GetDataFilesValueFromIndex(int index, int* out) const {
        return dataFiles_.GetAt(index, out);
    }
    int GetPgmIconsValueFromIndex(int index, int* out) const { return pgmIcons_.GetAt(index, out); }
    int GetSpecialFilesValueFromIndex(int index, int* out) const {
        return specialFiles_.GetAt(index, out);
    }
    int GetBmpFilesValueFromIndex(int index, int* out) const { return bmpFiles_.GetAt(index, out); }
    int GetLogoFilesValueFromIndex(int index, int* out) const {
        return logoFiles_.GetAt(index, out);
    }
    int GetSoundFilesValueFromIndex(int index, int* out) const {
        return soundFiles_.GetAt(index, out);
    }

    [[nodiscard]] int IsDataFile(int fileNo) const { return dataFiles_.Contains(fileNo) ? 1 : 0; }
    [[nodiscard]] int IsViewFile(int fileNo) const { return pgmIcons_.Contains(fileNo) ? 1 : 0; }
    [[nodiscard]] int IsSpecialFile(int fileNo) const {
        return specialFiles_.Contains(fileNo) ? 1 : 0;
    }

    // The icons of the program view, in display order: kept here and written as "PGMICONS".
    [[nodiscard]] int SetPgmIconsValue(const std::vector<uint32_t>& fileNos);

    // The record layout of "FILE%04d": 1 when every field's number and size were read. On 0 the
    // fields read before the faulty one stay in the layout.
    [[nodiscard]] int GetFileDef(int fileNo, Record_Information* out) const;
    // 1 when the layout has a character field.
    [[nodiscard]] int CkFileCommConv(const Record_Information* info) const;

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList dataFiles_ = ReadList(kSection, "DATAFILES");
    CIniNumList pgmIcons_ = ReadList(kSection, "PGMICONS");
    CIniNumList specialFiles_ = ReadList(kSection, "SPECIALFILES");
    CIniNumList bmpFiles_ = ReadList(kSection, "BMP");
    CIniNumList logoFiles_ = ReadList(kSection, "LOGO");
    CIniNumList soundFiles_ = ReadList(kSection, "SOUND");
};

using CTK73defFILEINF = CTK73defKindForm<CTK73defRegVekFILEINF, 0>;
using CTK73defVekFILEINF = CTK73defKindForm<CTK73defRegVekFILEINF, 1>;
