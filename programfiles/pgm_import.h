#pragma once
// The import of one program file's data into the current store's maintenance file: from another
// store's file of the same number, or from a file the CSV import hands over. The user chooses
// whether all records are taken or only their base fields; the question says which records keep
// their values when the files hold different numbers of records. A data file is always taken
// whole. Every record line of any other file is checked against the definition's layout first,
// and a file with a line out of shape is refused with a message that names the line and the
// field. The target is written only once everything was copied in memory, and the caller decides
// when to make, restore or delete the backup around the import.

#include <string>
#include <vector>

#include "programfiles/pgm_base_fields.h"
#include "programfiles/pgm_import_check.h"

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
    [[nodiscard]] int ImportExecute();
    // Copies the target to the target path with ".BAK" appended, replacing an older backup.
    [[nodiscard]] int ImportCreateBkup();
    // Renames the backup over the target; 0 (and the target as it was) when that fails.
    int ImportRecoverBkup();
    int ImportDeleteBkup();
    int GetDetailResult() const { return m_nDetailResult; }

  private:
    [[nodiscard]] int CopyAllRecords(const CTK73defReg& definition, CTK73pgmPgmFileRW& source,
                                     CTK73pgmPgmFileRW& target);
    [[nodiscard]] int CopyBaseFields(const CTK73defReg& definition, CTK73pgmPgmFileRW& source,
                                     CTK73pgmPgmFileRW& target);
    // Reads both files; 0 when either cannot be read.
    [[nodiscard]] int ReadBoth(CTK73pgmPgmFileRW& source, CTK73pgmPgmFileRW& target) const;
    // What the question adds when the files hold different numbers of records; empty otherwise.
    static std::string RecordNote(const CTK73pgmPgmFileRW& source, const CTK73pgmPgmFileRW& target);
    // 1 when every record line of the source has the fields; otherwise shows what is wrong with
    // its first bad line and 0.
    [[nodiscard]] int CheckSource(const CTK73pgmPgmFileRW& source,
                                  const std::vector<tk73pgm::FieldShape>& fields) const;
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
