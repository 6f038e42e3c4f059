#pragma once
// "FILE_EXPORT": the files offered for CSV export and the last export folder.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"
#include "platform/api.h"

class CTK73defRegVekFILE_EXPORT : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "FILE_EXPORT";

    int GetValueCount() const { return files_.GetCount(); }
    // 0 and *fileNo untouched for an index outside the list.
    [[nodiscard]] int GetValueFromIndex(int index, int* fileNo) const {
        return files_.GetAt(index, fileNo);
    }
    [[nodiscard]] int IsExportFile(int fileNo) const { return files_.Contains(fileNo) ? 1 : 0; }
    // out (TK73_MAX_PATH bytes) = the last export folder; 1 when one is stored.
    int GetExportPath(char* out) const {
        return ReadFolder(kSection, "INIPATH", TK73_MAX_PATH - 1, out);
    }
    int SetExportPath(const char* folder) const { return WriteFolder(kSection, "INIPATH", folder); }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList files_ = ReadList(kSection, "FILES");
};

using CTK73defFILE_EXPORT = CTK73defKindForm<CTK73defRegVekFILE_EXPORT, 0>;
using CTK73defVekFILE_EXPORT = CTK73defKindForm<CTK73defRegVekFILE_EXPORT, 1>;
