#pragma once
// The handle on the program files of one register or Vek controller: resolves the setting items
// of the model's definition file to places in program files and reads, writes and searches
// their values in place. A write never changes a file's length and goes to the file at once.

#include <list>
#include <string>
#include <vector>

#include "platform/api.h"
#include "programfiles/pgm_item_def.h"
#include "programfiles/pgm_loaded_file.h"

// Operation codes of AccessItems.
inline constexpr int PGM_ACCESS_READ_DEFAULT = 0;
inline constexpr int PGM_ACCESS_READ = 1;
inline constexpr int PGM_ACCESS_WRITE = 2;
inline constexpr int PGM_ACCESS_SEARCH_FORWARD = 3;
inline constexpr int PGM_ACCESS_SEARCH_FORWARD_CASE = 4;
inline constexpr int PGM_ACCESS_SEARCH_BACKWARD = 5;
inline constexpr int PGM_ACCESS_SEARCH_BACKWARD_CASE = 6;
// 7 to 10: the searches 3 to 6 in the default folder, their codes plus this.
inline constexpr int PGM_ACCESS_SEARCH_DEFAULT = 4;

class CPgmHandle {
  public:
    CPgmHandle() = default;
    virtual ~CPgmHandle() = default;
    CPgmHandle(const CPgmHandle&) = delete;
    CPgmHandle& operator=(const CPgmHandle&) = delete;

    // Takes the store definition file, the maintenance folder and the default folder (and lets
    // go of any loaded file); 1 when the definition file exists and is a file.
    [[nodiscard]] int Open(const char* definitionFile, const char* mainteFolder,
                           const char* defaultFolder);

    // "FILE%03dP.TXT" (text form) or "FILE%03dP.DAT" in the maintenance folder. The result is
    // out, or the handle's own buffer when out is null; the name is left unchanged when the
    // folder is empty or the name does not fit TK73_MAX_PATH.
    const char* GetMainteFileName(char* out, int fileNo, int textForm);
    // The same in the default folder, where the text form of the item file is "FILE%03dI.TXT":
    // file 2 for a register, file 422 for a Vek controller.
    const char* GetDefaultFileName(char* out, int fileNo, int textForm);

    // Resolves item of menu from the definition file; with load, the item's maintenance file
    // is kept in the handle for later accesses. 1 on success, 0 on a missing or invalid key or
    // a file that a load or count cannot read.
    [[nodiscard]] int GetItemDef(tagPGMITEMDEF* out, int menuNo, int itemNo, int load);

    // The engine of every access (operation codes above). values holds one array per item;
    // element firstValueIndex + i belongs to record firstRecord + i. Reads and writes answer 0,
    // searches the matching record; every failure is -1 (writes done before it stay written).
    [[nodiscard]] int AccessItems(int operation, tagPGMITEMDEF* items, int itemCount,
                                  int firstRecord, int recordCount, PGMITEMDATAARRAY* values,
                                  int firstValueIndex);

    // One item in one record of the maintenance file. A character value is text (read: copied
    // with its terminator into length bytes); a number is up to 8 bytes, least significant
    // first. 1 on success.
    [[nodiscard]] int ReadItem(tagPGMITEMDEF* item, int record, void* out, int length);
    [[nodiscard]] int WriteItem(tagPGMITEMDEF* item, int record, const void* value, int length);
    // Searches from startRecord for the wanted value (given as for WriteItem); the matching
    // record or -1.
    [[nodiscard]] int SearchItem(tagPGMITEMDEF* item, int startRecord, const void* wanted,
                                 int length, int forward, int caseSensitive, int inDefaults);
    // Reads or writes the items over a range of records of the maintenance files; 1 on success.
    [[nodiscard]] int ReadItems(tagPGMITEMDEF* items, int itemCount, int firstRecord,
                                int recordCount, PGMITEMDATAARRAY* values, int firstValueIndex);
    [[nodiscard]] int WriteItems(tagPGMITEMDEF* items, int itemCount, int firstRecord,
                                 int recordCount, PGMITEMDATAARRAY* values, int firstValueIndex);

    // Finds the record of a function-type item through item 0 of its menu; the item becomes an
    // index-type item on that record. 0 when the record is not found.
    [[nodiscard]] int ResolveFuncItem(tagPGMITEMDEF* item, int* record);

    // A name for a new working folder inside folder: "$PgmHdl_" and the millisecond tick count
    // in eight hexadecimal digits and "$", never the name handed out last and never an existing
    // file or folder. out holds TK73_MAX_PATH bytes; 0 when the name does not fit.
    [[nodiscard]] static int CreateWorkFolderName(const char* folder, char* out);

  private:
    tk73pgm::PgmLoadedFile* FindLoaded(int fileNo);
    void DropLoaded(int fileNo);
    [[nodiscard]] int LoadItemFile(tagPGMITEMDEF& def, int load);
    [[nodiscard]] int ReadWrite(int operation, tagPGMITEMDEF* items, const std::vector<int>& order,
                                int firstRecord, int recordCount, PGMITEMDATAARRAY* values,
                                int firstValueIndex);
    [[nodiscard]] int Search(int operation, tagPGMITEMDEF* items, const std::vector<int>& order,
                             int firstRecord, PGMITEMDATAARRAY* values, int firstValueIndex);
    std::string FilePath(int fileNo, bool inDefaults);

    std::list<tk73pgm::PgmLoadedFile> m_files;
    std::string m_definitionFile;
    std::string m_mainteFolder;
    std::string m_defaultFolder;
    char m_fileName[TK73_MAX_PATH] = {};
};
