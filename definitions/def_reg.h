#pragma once
// Where a model's definition file lives: the read-only default copy of the installation, its
// easy-mode variant and the working copy of a store, which the user's settings change.
//
// Every path is built from the base folders of the installation and has at most 259 characters,
// so it fits a TK73_MAX_PATH buffer.

#include <cstdint>
#include <string>

class CTK73defReg {
  public:
    // The longest indent name; it names a folder and a file, so a longer one is refused.
    static constexpr size_t kMaxIndentName = 20;

    // Reads and writes the file at path itself: it is both the default and the store file.
    CTK73defReg(const char* path, int kind);
    // kind 0 is a register model, 1 a Vek controller model. A store number of 0 or less makes
    // the shipped default file the store file. In the professional mode a store copy of another
    // version than the default is rebuilt from the default, keeping the user's settings.
    CTK73defReg(const char* indentName, int storeNo, int kind);

    // The easy-mode file when ez is 1, else the default file; returns whether it exists.
    [[nodiscard]] int GetDefaultIniFilePath(char* out, int ez) const;
    int GetDbIniFilePath(char* out) const;
    // The model's folder in the installation; 0 when the base folder is not configured.
    [[nodiscard]] int GetModelInstallPath(char* out) const;
    // out holds at least kMaxIndentName + 1 bytes.
    void GetModelIndentName(char* out) const;
    // Copies the default file to the store file, creating its folders. With failIfExists an
    // existing store file is kept and the result is 0.
    [[nodiscard]] int CopyDefaultIniFileToDbIniFile(int failIfExists) const;
    // "MACHINE_TYPE" of "SYSTEM" in the store file, as one byte.
    uint8_t GetMachineID() const;
    // A value of the store file, at most 4095 characters.
    std::string GetKeyValueString(const char* section, const char* key) const;
    // An integer of the default file, 0 when missing.
    [[nodiscard]] int GetKeyValueInt(const char* section, const char* key) const;

    // The number as "%03d"; out holds at least 12 bytes.
    static void CreateFileNoKeyName(int fileNo, char* out);
    static void CreateFieldNoKeyName(int fieldNo, char* out);
    // 1 when the text is not empty and holds only decimal digits and "?".
    [[nodiscard]] static int IsNumeric(const char* text);

    int GetKind() const { return kind_; }
    int GetStoreNo() const { return storeNo_; }
    const std::string& GetDbIniFile() const { return dbPath_; }

  private:
    void CheckCopyINIVersion() const;

    int kind_ = 0;
    int storeNo_ = 0;
    std::string indentName_;
    std::string defaultPath_;
    std::string ezPath_;
    std::string dbPath_;
};
