#pragma once
// "CF": the card transfer folders and switches. Read and written at each call.

#include "definitions/def_section.h"
#include "definitions/kind_forms.h"

class CTK73defRegVekCF : public CTK73defRegVekSection {
  public:
    static constexpr const char* kSection = "CF";
    // Folders hold at most this many characters; their buffers one more.
    static constexpr uint32_t kMaxFolder = 1023;

    // out holds kMaxFolder + 1 bytes; 1 when a folder is stored.
    [[nodiscard]] int GetPath_FOLDER_X(char* out) const {
        return ReadFolder(kSection, "FOLDER_X", kMaxFolder, out);
    }
    int GetPath_FOLDER_Y(char* out) const {
        return ReadFolder(kSection, "FOLDER_Y", kMaxFolder, out);
    }
    int GetPath_FOLDER_AUTOPGM(char* out) const {
        return ReadFolder(kSection, "FOLDER_AUTOPGM", kMaxFolder, out);
    }
    [[nodiscard]] int SetPath_FOLDER_X(const char* folder) const {
        return WriteFolder(kSection, "FOLDER_X", folder);
    }
    [[nodiscard]] int SetPath_FOLDER_Y(const char* folder) const {
        return WriteFolder(kSection, "FOLDER_Y", folder);
    }
    // The archive points this folder at its temporary files for one converter call and puts it
    // back right after: that pair of writes needs no flush to the disk.
    int SetPath_FOLDER_AUTOPGM(const char* folder,
                               tk73::FileReplacement::Durability durability =
                                   tk73::FileReplacement::Durability::Flushed) const {
        return WriteFolder(kSection, "FOLDER_AUTOPGM", folder, durability);
    }

    // 0 when "OFF" in any letter case; missing or anything else is 1.
    int GetButtonState() const { return ReadOnOff(kSection, "BTNSTATE"); }
    int GetStateAllData() const { return ReadOnOff(kSection, "ALLDATA"); }
    [[nodiscard]] int SetButtonState(int on) const { return WriteOnOff(kSection, "BTNSTATE", on); }
    [[nodiscard]] int SetStateAllData(int on) const { return WriteOnOff(kSection, "ALLDATA", on); }

  protected:
    using CTK73defRegVekSection::CTK73defRegVekSection;
};

using CTK73defCF = CTK73defKindForm<CTK73defRegVekCF, 0>;
using CTK73defVekCF = CTK73defKindForm<CTK73defRegVekCF, 1>;
