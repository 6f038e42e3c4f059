#pragma once
// "TK73DTL_SRFILE": the files the detail setting tool may send and receive.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekTK73DTL_SRFILES : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "TK73DTL_SRFILE";

    int GetSendFilesValueCount() const { return sendFiles_.GetCount(); }
    // 0 and *fileNo untouched for an index outside the list.
    int GetSendFilesValueFromIndex(int index, int* fileNo) const {
        return sendFiles_.GetAt(index, fileNo);
    }
    [[nodiscard]] int IsSendFile(int fileNo) const { return sendFiles_.Contains(fileNo) ? 1 : 0; }
    int GetRecvFilesValueCount() const { return recvFiles_.GetCount(); }
    int GetRecvFilesValueFromIndex(int index, int* fileNo) const {
        return recvFiles_.GetAt(index, fileNo);
    }
    [[nodiscard]] int IsRecvFile(int fileNo) const { return recvFiles_.Contains(fileNo) ? 1 : 0; }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;

  private:
    CIniNumList sendFiles_ = ReadList(kSection, "SENDFILES");
    CIniNumList recvFiles_ = ReadList(kSection, "RECVFILES");
};

using CTK73defTK73DTL_SRFILES = CTK73defKindForm<CTK73defRegVekTK73DTL_SRFILES, 0>;
using CTK73defVekTK73DTL_SRFILES = CTK73defKindForm<CTK73defRegVekTK73DTL_SRFILES, 1>;
