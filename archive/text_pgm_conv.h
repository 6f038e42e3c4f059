#pragma once
// Code-page conversion of the character fields of one text program file, for models whose
// installation switches Arabic text on: Windows-1256 on the PC, IBM864 on the register. The
// conversion itself is the outside library "Arblibpc.dll"; this class finds the fields, hands
// them over one by one and fits the results back into their places.

#include <cstdint>
#include <string>

#include "definitions/record_information.h"
#include "platform/api.h"

class CTextPgmConv {
  public:
    // Bit 0 of the flags: the conversion is active.
    static constexpr unsigned long kActive = 1;
    // Directions.
    static constexpr int kToIbm864 = 0;   // packing
    static constexpr int kToWin1256 = 1;  // unpacking

    CTextPgmConv() = default;
    CTextPgmConv(const CTextPgmConv&) = delete;
    CTextPgmConv& operator=(const CTextPgmConv&) = delete;
    virtual ~CTextPgmConv();

    // Stores both; with bit 0 set, loads the library and its functions for the direction, and
    // clears bit 0 again when any of them is missing.
    void EnterConvProc(unsigned long flags, int direction);
    void StartConvProc(const std::string& source, const std::string& target);
    // Converts the source file into the target file; 0 at once when bit 0 is clear.
    [[nodiscard]] int ConvCommFile(Record_Information& info);
    // Deletes the intermediate file: the source when unpacking, the target when packing.
    void EndConvProc();
    void ExitConvProc();

    unsigned long GetFlags() const { return m_flags; }

    static int GetTxtPgmFileData(const std::string& path, std::string& out);
    [[nodiscard]] static int SetTxtPgmFileData(const std::string& path, const std::string& data);
    // The record area of the buffer and the fields' places in a record line.
    static int GetConvFldInfo(Record_Information& info, const std::string& data);
    [[nodiscard]] int ConvData(const Record_Information& info, std::string& data);

  private:
    using ConvertFunction = int(TK73_API*)(const char*, char*, int*);
    using FormatFunction = int(TK73_API*)(const char*, char*, int);

    // Fits a converted text of length bytes into a field of width bytes: leading blanks go
    // first, at most as many as the text is too long.
    static void AdjustArabic(char* text, int& length, int width);

    std::string m_source;
    std::string m_target;
    unsigned long m_flags = 0;
    ConvertFunction m_convert = nullptr;
    FormatFunction m_format = nullptr;
    int m_direction = kToIbm864;
    void* m_module = nullptr;
};
