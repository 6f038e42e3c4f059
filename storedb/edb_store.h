#pragma once
// The store table ("STORE.edb"): up to 64 stores in file order. Store numbers also name the
// store folders ("S%03d") of the database folder, and a number counts as taken as long as its
// folder exists, whatever the table says.

#include <string>
#include <vector>

#include "storedb/edb_connection.h"
#include "storedb/edb_records.h"

class CTK73edbStore {
  public:
    // The prefix of the names that copies of a store get.
    static constexpr const char* kCopyPrefix = "Copy_";

    // Loads the table; a table that cannot be read leaves the object empty. When its file is
    // there all the same, every change is refused (0) and the file stays as it is.
    CTK73edbStore();

    int GetStoreCnt() const { return static_cast<int>(stores_.size()); }
    // The lookups clear out first, so a failed one leaves an empty record.
    [[nodiscard]] int GetStoreFromIndex(int index, STORE_EDB* out) const;
    // The n-th (from 0) store of the branch; 1 with an empty record when there is none.
    [[nodiscard]] int GetStoreFromIndex(int branchNo, int n, STORE_EDB* out) const;
    int GetStoreFromStoreNo(int storeNo, STORE_EDB* out) const;
    int GetStoreCntFromBranchNo(int branchNo) const {
        return GetStoreCntFromBranchNo(branchNo, -1);
    }
    // Stores of the branch whose register model is regModelNo (any model when it is below 0).
    [[nodiscard]] int GetStoreCntFromBranchNo(int branchNo, int regModelNo) const;
    // The position of the store in the table, 0 when it is not there.
    [[nodiscard]] int ConvStoreNoToIndexNo(int storeNo) const;

    // 1 when the store's folder exists (the table is not consulted).
    [[nodiscard]] int IsExistStoreNo(int storeNo) const;
    // The smallest store number whose folder does not exist; 0 when all 64 do.
    int GetNewStoreNo() const;
    // 1 when a store other than storeNo (-1: any store) has exactly this name, byte for byte.
    [[nodiscard]] int IsExistStoreName(const char* name, int storeNo) const;
    // name becomes the name of a copy of the store called name: the prefix in front, cut to 40
    // bytes, and again in front of that while a store has the name already. 0, and name
    // unchanged, when every name tried is taken.
    [[nodiscard]] int MakeCopyStoreName(std::string& name, const char* prefix = kCopyPrefix) const;

    // Each change rewrites the whole table; a change that cannot be written leaves the table and
    // the object as they were. Adding a 65th store, a store number outside 1 to 64 or one that
    // is in the table already is refused.
    [[nodiscard]] int AddStore(const STORE_EDB& store);
    // Replaces the record of the same store number.
    [[nodiscard]] int UpdateStore(const STORE_EDB& store);
    // Removes the record of the same store number; the stores after it move up one place.
    [[nodiscard]] int DeleteStore(const STORE_EDB& store);

    // with = 1 when the store's controller model is a known controller model; linked = 1 when
    // with is 1 and the store's controller linkage is not '1'. 0 (both 0) when the store is not
    // in the table.
    [[nodiscard]] int GetWithVek(int storeNo, int* with, int* linked) const;
    // The same for store 1, the single working store of the default and stand-alone layouts.
    [[nodiscard]] int GetWithVek(int* with, int* linked) const {
        return GetWithVek(1, with, linked);
    }

  private:
    [[nodiscard]] int FindStore(int storeNo) const;
    [[nodiscard]] int Rewrite(const std::vector<STORE_EDB>& stores);

    tk73store::EdbConnection connection_;
    std::vector<STORE_EDB> stores_;
};
