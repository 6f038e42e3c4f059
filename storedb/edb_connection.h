#pragma once
// One connection to the store database: a database frame of the base services, opened when the
// object is made and closed when it goes. Every table object of the store database holds its own,
// so each sees the files as they are when it is made.

#include <string>
#include <vector>

struct DBC;

namespace tk73store {

// The fields of one record, in the order of the column list they were read or are written with.
using EdbRow = std::vector<std::string>;
using EdbColumns = std::vector<const char*>;

class EdbConnection {
  public:
    EdbConnection();
    ~EdbConnection();
    EdbConnection(const EdbConnection&) = delete;
    EdbConnection& operator=(const EdbConnection&) = delete;

    // False when the database folder is not configured.
    bool IsOpen() const { return frame_ != nullptr; }

    // The file of a table of the database folder; empty when that folder is not configured.
    static std::string TableFile(const char* table);

    // Every record of the table in file order, each with the named columns (a column the file
    // lacks reads as empty text); false, and rows empty, when the table cannot be read.
    // A table whose file is there but cannot be read (cut short, damaged) is then refused to
    // every rewrite through this connection: the caller holds none of its records, and a
    // rewrite from what it holds would drop them all.
    [[nodiscard]] bool ReadTable(const char* table, const EdbColumns& columns,
                                 std::vector<EdbRow>& rows);
    // Replaces the table with the rows. When the new table cannot be written whole, the rows of
    // before are written back, so that a failed change leaves the table as it was. False, with
    // the file untouched, for a table this connection could not read.
    [[nodiscard]] bool RewriteTable(const char* table, const EdbColumns& columns,
                                    const std::vector<EdbRow>& rows,
                                    const std::vector<EdbRow>& before) const;

    // True only when the database folder was missing and has now been made with empty tables.
    bool CreatedDatabaseDirectory() const;
    [[nodiscard]] bool CopyStoreFolder(int sourceStoreNo, int targetStoreNo) const;
    // part 1: the store's register folder, 2: its controller folder, else the whole store folder.
    [[nodiscard]] bool DeleteStoreFolder(int storeNo, int part) const;

  private:
    [[nodiscard]] bool ReadRows(const char* table, const EdbColumns& columns,
                                std::vector<EdbRow>& rows) const;
    [[nodiscard]] bool WriteTable(const char* table, const EdbColumns& columns,
                                  const std::vector<EdbRow>& rows) const;

    DBC* frame_ = nullptr;
    std::vector<std::string> unreadTables_;
};

}  // namespace tk73store
