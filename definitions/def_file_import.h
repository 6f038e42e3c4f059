#pragma once
// "FILE_IMPORT": the files offered for CSV import, the fields that identify a record when
// importing, and the last import folder.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"
#include "platform/api.h"

class CTK73defRegVekFILE_IMPORT : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "FILE_IMPORT";

    int GetFileValueCount() const { return files_.GetCount(); }
    // 0 and *out untouched for an index outside the list.
    [[nodiscard]] int GetFileValueFromIndex(int index, int* out) const {
        return files_.GetAt(index, out);
    }
    [[nodiscard]] int IsImportFile(int fileNo) const { return files_.Contains(fileNo) ? 1 : 0; }
    int GetBaseFieldValueCount() const { return baseFields_.GetCount(); }
    int GetBaseFieldValueFromIndex(int index, int* out) const {
        return baseFields_.GetAt(index, out);
    }
    [[nodiscard]] int IsBaseField(int fieldNo) const {
        return baseFields_.Contains(fieldNo) ? 1 : 0;
    }
    // out (TK73_MAX_PATH bytes) = the last import folder; 1 when one is stored.
    int GetImportPath(char* out) const {
        return ReadFolder(kSection, "INIPATH", TK73_MAX_PATH - 1, out);
    }
    int SetImportPath(const char* folder) const { return WriteFolder(kSection, "INIPATH", folder); }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList files_ = ReadList(kSection, "FILES");
    CIniNumList baseFields_ = ReadList(kSection, "BASEFIELDS");
};

using CTK73defFILE_IMPORT = CTK73defKindForm<CTK73defRegVekFILE_IMPORT, 0>;
using CTK73defVekFILE_IMPORT = CTK73defKindForm<CTK73defRegVekFILE_IMPORT, 1>;
