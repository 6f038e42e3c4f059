#pragma once
// Brings a store's program text files up to the format versions of the model's templates. Every
// program text file names its two-digit format version in its second line; a file received from
// a register may be older than the templates the installation ships now. Where the layout
// changed between versions the records are converted, then the copy takes the template's
// version. The one layout change so far: the set menu file (28) of registers from version 0 to 1.

#include <string>

class CTK73packFileVersionConverter {
  public:
    // The active store (the desktop's selection), its model of the kind (0 register, 1 Vek
    // controller), that model's definition file in the store and its folders.
    explicit CTK73packFileVersionConverter(int kind);
    // The given definition file and maintenance folder; the template folder is the active
    // store's, as above.
    CTK73packFileVersionConverter(const char* definitionFile, const char* mainteFolder,
                                  const char* indentName, int kind);

    // Every file of the definition's archive file list; 0 when any of them failed, the others
    // are updated all the same.
    int UpdateFileVersion();
    // One file: 1 when it is up to date afterwards or has no version to compare.
    int UpdateFileVersion(int fileNo);
    [[nodiscard]] int SetPgmFileVersion(int fileNo, int version) const;
    // Runs the set menu conversion for file 28 of a register when flag is 0; 1 for the rest.
    [[nodiscard]] int ConvertFileVersion(int fileNo, int flag);

    // The version at offset 45 of the second line; -1 when the file cannot be read, has fewer
    // than two lines or no two digits there.
    [[nodiscard]] static int GetFileVersion(const char* path);
    // Puts "%02d" into the version field of an existing file; 0 when the file is too short to
    // hold the field or cannot be written.
    [[nodiscard]] static int SetFileVersion(const char* path, int version);
    // The first 130 bytes of the file (fewer when it is shorter); 0 when it cannot be read.
    [[nodiscard]] static int GetHeaderString(const char* path, std::string& out);
    // Writes the header's first 129 bytes (all of a shorter one) over the start of an existing
    // file, in place: the rest of the file stays. 0 when the file is shorter than what would be
    // written (a header never makes a file longer) or cannot be written.
    [[nodiscard]] static int SetHeaderString(const char* path, const std::string& header);
    // "<indent>Ver%02d.INI" in the model's "OLDVERSION" folder of the installation; whether it
    // exists.
    [[nodiscard]] int CreateVersionIniFilePath(int version, std::string& out) const;

    const std::string& GetTemplateFolder() const { return m_templateFolder; }

  private:
    // The set menu file from version 0 to 1: each group of 4 (or 6) characters of the set
    // entries gains "04" when it names an item and "00" when it is empty.
    [[nodiscard]] int ConvertFile028();
    std::string MainteFile(int fileNo) const;
    std::string TemplateFile(int fileNo) const;

    int m_kind = 0;
    int m_storeNo = 0;
    std::string m_definitionFile;
    std::string m_mainteFolder;
    std::string m_templateFolder;
    std::string m_indentName;
};
