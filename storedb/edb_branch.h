#pragma once
// The branch table ("BRANCH.edb"): up to 64 branches in file order. Branch 0 is the
// pseudo-branch "NO USE" of stores that belong to no branch; it is never stored.

#include <vector>

#include "storedb/edb_connection.h"
#include "storedb/edb_records.h"

class CTK73edbBranch {
  public:
    // Loads the table; a table that cannot be read leaves the object empty. When its file is
    // there all the same, every change is refused (0) and the file stays as it is.
    CTK73edbBranch();

    int GetBranchCnt() const { return static_cast<int>(branches_.size()); }
    // The number a new branch gets: the count plus one.
    int GetNewBranchNo() const { return GetBranchCnt() + 1; }

    // The lookups clear out first, so a failed one leaves an empty record.
    [[nodiscard]] int GetBranchFromIndex(int index, BRANCH_EDB* out) const;
    // Branch 0 answers the "NO USE" record without consulting the table.
    [[nodiscard]] int GetBranchFromBranchNo(int branchNo, BRANCH_EDB* out) const;

    // Appends the branch and rewrites the table; a 65th branch is refused.
    [[nodiscard]] int AddBranch(const BRANCH_EDB& branch);
    // The branch at position branchNo - 1 takes the new content; the table is rewritten.
    [[nodiscard]] int UpdateBranch(const BRANCH_EDB& branch);

  private:
    [[nodiscard]] int Rewrite(const std::vector<BRANCH_EDB>& branches);

    tk73store::EdbConnection connection_;
    std::vector<BRANCH_EDB> branches_;
};
