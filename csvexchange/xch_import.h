#pragma once
// The CSV import into one program file of the current store: the user picks the CSV file, the
// program file is backed up, the program file import merges the CSV records into it, and a
// packer (when one is set) proves that the result still makes the register's binary file. When
// anything fails the backup comes back and the user is told once.

#include <optional>
#include <string>

#include "storedb/edb_records.h"

class CTK73xchArchiveBase;

inline constexpr const char* kCsvImportFailed = "Couldn't read selected file.";
inline constexpr const char* kCsvImportCaption = "Data read";

class CTK73xchImport {
  public:
    // File number -1, the register.
    CTK73xchImport();
    // The current store; a file number other than -1 imports into its maintenance file, -1 lets
    // the user choose. isVek: the Vek controller's files.
    CTK73xchImport(int fileNo, int isVek);
    CTK73xchImport(int fileNo, int storeNo, const char* targetPath, int isVek);

    // The packer called after a successful import; not owned, null for none.
    void SetArchiveBase(CTK73xchArchiveBase* packer) { m_pPacker = packer; }

    // Nonzero when imported; 0 when the user cancelled or the import failed.
    int ImportExecute();

  private:
    int Kind() const { return m_bVek ? 1 : 0; }
    // The CSV source the user picks, remembered as the next start folder; nothing on Cancel.
    std::optional<std::string> SelectSourceFile(const std::string& definitionFile) const;
    // Packs the imported file into a temporary file; whether the packer succeeded.
    bool PackImported() const;

    int m_nFileNo;
    int m_nStoreNo;
    std::string m_targetPath;
    MODEL_EDB m_model;
    CTK73xchArchiveBase* m_pPacker = nullptr;
    bool m_bVek;
};
