#pragma once
// Where the program files of one store's register or Vek controller live: the shipped default
// copies of the model and the store's working copies in its maintenance folder. The register
// form is CTK73pgmPgmFile, the Vek controller form CTK73pgmVekPgmFile.

#include <memory>
#include <string>

#include "definitions/def_file_inf.h"
#include "definitions/def_pgm_files.h"
#include "storedb/edb_records.h"

class CTK73pgmRegVekPgmFile {
  public:
    virtual ~CTK73pgmRegVekPgmFile() = default;

    virtual void AbstractDummy() = 0;
    // The "FILE_INF" and "PGMFILES" sections of the form's kind, owned by the caller.
    virtual std::unique_ptr<CTK73defRegVekFILEINF> NewCTK73defRegVekFILEINF(const char* indentName,
                                                                            int storeNo) const = 0;
    virtual std::unique_ptr<CTK73defRegVekFILEINF> NewCTK73defRegVekFILEINF(
        const char* path) const = 0;
    virtual std::unique_ptr<CTK73defRegVekPGMFILES> NewCTK73defRegVekPGMFILES(
        const char* indentName, int storeNo) const = 0;
    // "M001" for the register, "O001" for the Vek controller; out holds 5 bytes.
    virtual void CreateRegVekModelNoDirName(char* out) const = 0;
    // The register or Vek definition folder; 1 when it is configured.
    [[nodiscard]] virtual int GetRegVekPath(char* out) const = 0;
    // Appends the name of the model's default folder to the TK73_MAX_PATH buffer; 0 when it
    // does not fit.
    [[nodiscard]] virtual int AddDefDirName(char* folder) const = 0;

    // The maintenance folder ("S%03d", "M001" or "O001", "MAINTE" in the database folder); with
    // create 1 a missing folder is made with its parents. 0 for a store number below 1, an
    // unconfigured database folder or a folder that cannot be made.
    [[nodiscard]] int GetMaintePath(char* out, int create) const;
    // The model's default folder; 0 (out empty) for a store number below 1 or an unknown model.
    int GetDefaultPath(char* out) const;

    // "FILE%03dP", with ".TXT" when withExt is 1, in the folder path when one is given.
    int CreatePgmFileName(int fileNo, char* out, const char* path, int withExt) const;
    int CreatePgmFileName(int fileNo, char* out, int withExt) const;
    // With full, the maintenance folder comes first; with withExt, ".DAT" when dat is 1, else
    // ".TXT".
    int CreatePgmFileName(int fileNo, char* out, int withExt, int dat, int full) const;
    // The text program file in the maintenance or default folder; answers whether it exists.
    [[nodiscard]] int CreateMainteFullPath(int fileNo, char* out) const;
    int CreateDefaultFullPath(int fileNo, char* out) const;

    // The number with leading zeros to width digits; out holds at least 12 bytes.
    static void ConvFileNoToString(int fileNo, char* out, int width);
    static void ConvFieldNoToString(int fieldNo, char* out);
    [[nodiscard]] static int ConvFileNoToInt(const char* text);
    [[nodiscard]] static int ConvFieldNoToInt(const char* text);
    // The number in a program file's name: its characters from the fifth on (seven at most).
    static int GetFileNoFromFileName(const char* path);

    // Copies the default of the file (of every file of "PGMFILES" when fileNo is -1) into the
    // maintenance folder, keeping a file already there unless overwrite is 1.
    int CopyPgmFileDefaultToMainte(int fileNo, int overwrite) const;
    // 1 when the incoming file may replace the current one; warns through the user-interaction
    // seam under the caption when its first line differs or when a data file grows.
    [[nodiscard]] int DiffPgmFile(int fileNo, const char* current, const char* incoming,
                                  const std::string& caption) const;

    int GetStoreNo() const { return storeNo_; }
    const STORE_EDB& GetStore() const { return store_; }
    const MODEL_EDB& GetModel() const { return model_; }

  protected:
    CTK73pgmRegVekPgmFile() = default;
    // Loads the store's record and the record of its model of the kind (0 register, 1 Vek),
    // then works out both folders; the forms call it once they are made.
    void Initialize(int storeNo, int kind);

  private:
    int storeNo_ = -1;
    STORE_EDB store_;
    MODEL_EDB model_;
    std::string mainteFolder_;
    std::string defaultFolder_;
};
