#pragma once
// The machine tables: "REGISTER.edb" holds the registers, "VEK.edb" the controllers of every
// store, as up to 64 blocks of 32 records, one block per store. A block belongs to the store
// numbered in its first record; a block whose first store number is 0 is a free place, and the
// table ends before the first free place.

#include <array>
#include <vector>

#include "storedb/edb_connection.h"
#include "storedb/edb_records.h"

class CTK73edbRegVekBase {
  public:
    virtual ~CTK73edbRegVekBase() = default;
    // The table name, and the names of its machine number and machine name columns.
    virtual const char* GetEDBFileName() const = 0;
    virtual const char* GetMachineNoKeyWord() const = 0;
    virtual const char* GetMachineNameKeyWord() const = 0;

    // 32 empty entries: every number 0, every status '0'.
    int InitRegisterEdb(STORE_MANAGE* out) const;
    // The block of the object's store; 0 (and an empty block) when the table has none.
    [[nodiscard]] int GetRegister(STORE_MANAGE* out) const;
    // Stores the block in the store's place, or in the first free place, and rewrites the table.
    // 0 when every place belongs to another store, when the block is not the object's store's
    // (its first store number differs) or when the table cannot be written.
    [[nodiscard]] int SetRegister(const STORE_MANAGE& block);

    int GetStoreNo() const { return storeNo_; }

  protected:
    explicit CTK73edbRegVekBase(int storeNo) : storeNo_(storeNo) {}
    // Reads the table; the forms call it once they are made. A table that cannot be read leaves
    // every place free; when its file is there all the same, SetRegister is refused.
    void Load();

  private:
    tk73store::EdbColumns Columns() const;
    std::vector<tk73store::EdbRow> RowsOf(
        const std::array<STORE_MANAGE, EDB_MAX_MACHINE_BLOCK>& blocks) const;

    int storeNo_;
    tk73store::EdbConnection connection_;
    std::array<STORE_MANAGE, EDB_MAX_MACHINE_BLOCK> blocks_{};
};

class CTK73edbRegister : public CTK73edbRegVekBase {
  public:
    explicit CTK73edbRegister(int storeNo) : CTK73edbRegVekBase(storeNo) { Load(); }
    const char* GetEDBFileName() const override { return "REGISTER"; }
    const char* GetMachineNoKeyWord() const override { return "RegNo"; }
    const char* GetMachineNameKeyWord() const override { return "RegName"; }
};

class CTK73edbVek : public CTK73edbRegVekBase {
  public:
    explicit CTK73edbVek(int storeNo) : CTK73edbRegVekBase(storeNo) { Load(); }
    const char* GetEDBFileName() const override { return "VEK"; }
    const char* GetMachineNoKeyWord() const override { return "VekNo"; }
    const char* GetMachineNameKeyWord() const override { return "VekName"; }
};
