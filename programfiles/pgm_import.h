#pragma once
// The import of one program file's data into the current store's maintenance file: from another
// store's file of the same number, or from a file the CSV import hands over. The user chooses
// whether all records are taken or only their base fields; a data file is always taken whole.
// The target is written only once everything was copied in memory, and the caller decides when
// to make, restore or delete the backup around the import.

#include <string>
#include <vector>

#include "programfiles/pgm_base_fields.h"

// GetDetailResult: how the last ImportExecute ended.
inline constexpr int PGM_IMPORT_DONE = 0;
inline constexpr int PGM_IMPORT_CANCELLED = 1;
// The two files differ in field count or record line length.
inline constexpr int PGM_IMPORT_LAYOUT_DIFFERS = 2;
inline constexpr int PGM_IMPORT_FAILED = 3;

class CTK73defReg;
class CTK73pgmPgmFileRW;

class CTK73pgmImport {
  public:
    // isVek: 0 the store's register, 1 its Vek controller.
    CTK73pgmImport(int fileNo, int isDataFile, int storeNo, const char* indentName,
                   const char* source, const char* target, int isVek);

    // 1 when imported.
    int ImportExecute();
    // Copies the target to the target path with ".BAK" appended, replacing an older backup.
    int ImportCreateBkup();
    // Deletes the target and renames the backup to it; 0 when the delete fails.
    int ImportRecoverBkup();
    int ImportDeleteBkup();
    int GetDetailResult() const { return m_nDetailResult; }

  private:
    int CopyAllRecords();
    int CopyBaseFields(const CTK73defReg& definition);
    // Reads both files; 0 when either cannot be read.
    int ReadBoth(CTK73pgmPgmFileRW& source, CTK73pgmPgmFileRW& target) const;
    std::string BackupPath() const;

    int m_nFileNo;
    int m_bDataFile;
    int m_nKind;
    int m_nStoreNo;
    std::string m_indentName;
    std::string m_source;
    std::string m_target;
    int m_nDetailResult = PGM_IMPORT_FAILED;
    std::vector<tk73pgm::BaseFieldPlace> m_baseFields;
};
