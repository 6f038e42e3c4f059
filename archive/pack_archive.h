#pragma once
// The archive packer: the program text files of a store's register or Vek controller become one
// pack text file, the converter ("GLCONV.DLL") turns that into the binary program file, and the
// binary file is the CRP archive (a CRZ archive for part of the PLU file, a plain binary file
// for a LAN transfer). Unpacking runs the same stages backwards.
//
// The suite reads one byte of a binary file itself, the machine ID at offset 379; everything
// else in it is the converter's.

#include <cstdint>
#include <string>

#include "csvexchange/xch_archive_base.h"
#include "definitions/machine_information.h"

// The archive's copy of a model's identifiers, 44 bytes as the archive keeps them.
#pragma pack(push, 1)
struct CRPMODELDATA {
    int32_t modelNo;
    char indentName[21];
    char rmCode[11];
    int32_t archiveValue;  // column 7 of the model record
    int32_t idCode;        // one byte significant
};
#pragma pack(pop)
static_assert(sizeof(CRPMODELDATA) == 44);

// Zero-filled, then the model's identifiers, names cut at their room.
CRPMODELDATA MakeCrpModelData(const Machine_Information& model);

class CTK73packArchive : public CTK73xchArchiveBase {
  public:
    CTK73packArchive();
    // kind: 0 register, 1 Vek controller.
    CTK73packArchive(const char* definitionFile, const char* programFolder, int kind);
    // Deletes the binary file and the pack text file it still names, so one archive owns them:
    // a copy would delete them under the other.
    ~CTK73packArchive() override;
    CTK73packArchive(const CTK73packArchive&) = delete;
    CTK73packArchive& operator=(const CTK73packArchive&) = delete;

    // The CRP archive of fileNo (-1: every file of "CRP_FILES") at crpPath; the model is looked
    // up by indentName in the register list.
    [[nodiscard]] int PackCrpFile(const char* crpPath, const char* indentName, int fileNo);
    // The CRZ archive: every "CRP_FILES" file, the PLU file (4) cut to records first..last; the
    // model data is the register's, looked up by indentName in the register list.
    [[nodiscard]] int PackCrzFile(const char* crzPath, const char* indentName, int first, int last);
    // The pack text of fileNo converted straight into binPath.
    [[nodiscard]] int PackBinFile(const char* binPath, const char* text, int fileNo) override;
    [[nodiscard]] int UnPackCrpFile(const char* crpPath);
    // Unpacks binPath; after file 4 or every file (-1), the result of ConvertFILE004InitValue.
    // A file number above 0 names the one file the binary file may hold (a binary file of one
    // file from a register): one that holds any other file is refused and nothing is written.
    [[nodiscard]] int UnPackBinFile(const char* binPath, int fileNo);

    [[nodiscard]] int AppendFile(const char* target, const char* source);
    [[nodiscard]] int DivFileFromTop(const char* source, unsigned long length, const char* target);
    [[nodiscard]] int DivFileFromNext(const char* source, unsigned long offset, const char* target);
    int AppendDivIDRec(const char* crpPath, uint8_t idCode);
    unsigned long GetDivIDRecOffset(const char* crpPath);
    unsigned long AnalyzeDivIDRecOffset(const char* crpPath, uint8_t machineId);
    // The machine ID at offset 379 of the file; 0 (and *machineId 0) when the file cannot be
    // read that far.
    [[nodiscard]] int GetNextMacID(const char* crpPath, uint8_t* machineId);
    // The length of the binary program file at the start of the file, as the converter's header
    // gives it; 0 when there is no complete header. A CRP archive may carry the controller's
    // binary file behind the register's, from this offset on.
    unsigned long GetPartLength(const char* path);
    int GetVekModelFromIDCode(uint8_t idCode, CRPMODELDATA* out);
    int GetVekModelFromModelNo(int modelNo, CRPMODELDATA* out);
    void SetMdlCode(const char* code) { m_mdlCode = code; }

    // Runs the converter with the command text; shows "Failed to load GLCONV.dll." or "Failed
    // to convert the program file." when it cannot.
    [[nodiscard]] int CallConverterDLL(const char* command);
    // Turns every all-"E" value of item 1 of menu 14 into zeros; 1 when the item could be read
    // and the zeros written.
    int ConvertFILE004InitValue();

    // The pack text file of fileNo (-1: every "CRP_FILES" file), the PLU file cut to
    // first..last when last is not 0; and its split back into program text files.
    [[nodiscard]] int CreatePackTextFile(int fileNo, int first, int last);
    [[nodiscard]] int ConvertPackTextFileToPgmFile();

  private:
    // Splits the pack text file into the program folder; with onlyFileNo above 0, only when it
    // holds that file and no other.
    [[nodiscard]] int SplitPackText(int onlyFileNo);
    // S (toBinary) or R between the pack text file and the binary file.
    [[nodiscard]] int ConvertPackText(bool toBinary);
    // Copies the temporary binary file to the archive path (its folder made first).
    [[nodiscard]] int CopyBinToArchive(const char* archivePath);
    [[nodiscard]] int LookUpModel(int isRegister, const char* indentName);
    int ConversionSwitch() const;

    std::string m_archivePath;
    std::string m_definitionFile;
    std::string m_binPath;
    std::string m_packTextPath;
    std::string m_programFolder;
    CRPMODELDATA m_modelData{};
    int m_kind = 0;
    const char* m_mdlCode = nullptr;
};
