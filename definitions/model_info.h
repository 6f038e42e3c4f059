#pragma once
// The table of register and Vek controller models, and the system-wide switches that live beside
// it in "TK73TOOL.ini" of the install folder. The table is read from the file at each lookup;
// nothing is written back.

#include <cstdint>
#include <string>
#include <vector>

#include "definitions/machine_information.h"

class CMdlInfo {
  public:
    // Execution modes; any other value is the networked-register mode.
    static constexpr uint32_t kSimpleMode = 1;
    static constexpr uint32_t kProMode = 2;
    static constexpr uint32_t kVekSimpleMode = 3;
    static constexpr uint32_t kVekProMode = 4;

    // Reads the execution mode and finds the settings file; reads no list.
    CMdlInfo();
    virtual ~CMdlInfo() = default;

    // isRegister is 1 for the register list, 0 for the Vek list. Reloads the list; returns the
    // number of models read.
    [[nodiscard]] int InitMcnInfo(int isRegister);
    [[nodiscard]] int InitECRInfo() { return InitMcnInfo(1); }
    [[nodiscard]] int InitVEKInfo() { return InitMcnInfo(0); }

    // The model at a zero-based index of the list as last loaded; 0 and *out untouched for an
    // index outside the list.
    [[nodiscard]] int GetMcnInfo(int isRegister, int index, Machine_Information* out) const;
    int GetECRInfo(int index, Machine_Information* out) const { return GetMcnInfo(1, index, out); }
    int GetVEKInfo(int index, Machine_Information* out) const { return GetMcnInfo(0, index, out); }

    // Reload the list, then copy the first model that matches; 0 and *out untouched when none
    // does. Names and codes compare without regard to letter case; the ID code on its low byte.
    [[nodiscard]] int GetMcnInfoForModelNo(int isRegister, int modelNo, Machine_Information* out);
    int GetMcnInfoForIndentName(int isRegister, const char* indentName, Machine_Information* out);
    int GetMcnInfoForRmCode(int isRegister, const char* rmCode, Machine_Information* out);
    int GetMcnInfoForIDCode(int isRegister, uint8_t idCode, Machine_Information* out);

    uint32_t GetCurrExecMode() const { return execMode_; }
    // 0 when the register model may not be combined with a Vek controller in the current mode.
    [[nodiscard]] int IsVEKSupportECR(uint32_t modelNo) const;
    // 1 when "CONVARABIC" of "FILECOMMCONV" is "ON" in any letter case.
    int GetFileCommConv() const;
    // The register model proposed by default, 0 when none is set.
    int GetDefaultActionECRId() const;

    const std::string& GetSettingsFile() const { return settingsFile_; }

  private:
    template <typename Match>
    [[nodiscard]] int FindModel(int isRegister, Match match, Machine_Information* out);
    std::string ReadValue(const char* section, const char* key) const;

    std::string settingsFile_;
    uint32_t execMode_ = 0;
    std::vector<Machine_Information> registers_;
    std::vector<Machine_Information> veks_;
};
