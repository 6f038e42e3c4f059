#pragma once
// What every definition section class shares: the model's definition file, and reading and
// writing its values. Each section group X derives its working class CTK73defRegVekX from this
// one and gets its register and Vek forms from kind_forms.h.

#include <cstdint>
#include <string>

#include "definitions/def_reg.h"
#include "definitions/ini_num_list.h"
#include "platform/file_replacement.h"

class CTK73defRegVekSection {
  public:
    virtual ~CTK73defRegVekSection() = default;
    // Left abstract, so that a working class is only ever created in its register or Vek form.
    virtual void AbstractDummy() = 0;

    const CTK73defReg& GetDefReg() const { return reg_; }

  protected:
    // Value lists are read from at most this many characters.
    static constexpr uint32_t kListChars = 1023;

    CTK73defRegVekSection(const char* path, int kind) : reg_(path, kind) {}
    CTK73defRegVekSection(const char* indentName, int storeNo, int kind)
        : reg_(indentName, storeNo, kind) {}

    // Every read and write goes to the store definition file.
    const std::string& IniFile() const { return reg_.GetDbIniFile(); }
    std::string ReadText(const char* section, const char* key, uint32_t maxChars) const;
    CIniNumList ReadList(const char* section, const char* key) const;
    [[nodiscard]] int ReadInt(const char* section, const char* key) const;
    [[nodiscard]] int WriteText(const char* section, const char* key, const std::string& value,
                                tk73::FileReplacement::Durability durability =
                                    tk73::FileReplacement::Durability::Flushed) const;
    // out = a stored folder of at most maxChars characters; 1 when one is stored.
    [[nodiscard]] int ReadFolder(const char* section, const char* key, uint32_t maxChars,
                                 char* out) const;
    [[nodiscard]] int WriteFolder(const char* section, const char* key, const char* folder,
                                  tk73::FileReplacement::Durability durability =
                                      tk73::FileReplacement::Durability::Flushed) const;
    // 0 when the value is "OFF" in any letter case, else 1 (a missing value is on).
    [[nodiscard]] int ReadOnOff(const char* section, const char* key) const;
    [[nodiscard]] int WriteOnOff(const char* section, const char* key, int on) const;
    // 1 only when the value is "ON" in any letter case.
    [[nodiscard]] int IsOn(const char* section, const char* key) const;

  private:
    CTK73defReg reg_;
};
