#include "storedb/edb_branch.h"

#include "storedb/edb_columns.h"
#include "storedb/edb_field_text.h"

namespace {

using tk73store::boundedText;
using tk73store::EdbRow;

BRANCH_EDB branchOf(const EdbRow& row) {
    BRANCH_EDB branch;
    branch.branchNo = tk73store::numberOf(row[0]);
    branch.branchName = boundedText(row[1], BRANCH_EDB::kNameBytes);
    branch.clerk = boundedText(row[2], BRANCH_EDB::kClerkBytes);
    branch.comment = boundedText(row[3], BRANCH_EDB::kCommentBytes);
    branch.update = boundedText(row[4], BRANCH_EDB::kUpdateBytes);
    return branch;
}

EdbRow rowOf(const BRANCH_EDB& branch) {
    return {tk73store::numberText(branch.branchNo),
            boundedText(branch.branchName, BRANCH_EDB::kNameBytes),
            boundedText(branch.clerk, BRANCH_EDB::kClerkBytes),
            boundedText(branch.comment, BRANCH_EDB::kCommentBytes),
            boundedText(branch.update, BRANCH_EDB::kUpdateBytes)};
}

std::vector<EdbRow> rowsOf(const std::vector<BRANCH_EDB>& branches) {
    std::vector<EdbRow> rows;
    for (const BRANCH_EDB& branch : branches) {
        rows.push_back(rowOf(branch));
    }
    return rows;
}

}  // namespace

CTK73edbBranch::CTK73edbBranch() {
    std::vector<EdbRow> rows;
    // A table that cannot be read has no rows here, and the connection refuses to rewrite it.
    (void)connection_.ReadTable(tk73store::kBranchTable, tk73store::branchColumns(), rows);
    for (const EdbRow& row : rows) {
        if (branches_.size() == EDB_MAX_BRANCH) {
            break;
        }
        branches_.push_back(branchOf(row));
    }
}

int CTK73edbBranch::GetBranchFromIndex(int index, BRANCH_EDB* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    if (index < 0 || index >= GetBranchCnt()) {
        return 0;
    }
    *out = branches_[static_cast<size_t>(index)];
    return 1;
}

int CTK73edbBranch::GetBranchFromBranchNo(int branchNo, BRANCH_EDB* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    if (branchNo == 0) {
        out->branchName = EDB_NO_USE_BRANCH_NAME;
        return 1;
    }
    for (const BRANCH_EDB& branch : branches_) {
        if (branch.branchNo == branchNo) {
            *out = branch;
            return 1;
        }
    }
    return 0;
}

int CTK73edbBranch::AddBranch(const BRANCH_EDB& branch) {
    if (GetBranchCnt() >= EDB_MAX_BRANCH) {
        return 0;
    }
    std::vector<BRANCH_EDB> changed = branches_;
    changed.push_back(branch);
    return Rewrite(changed);
}

int CTK73edbBranch::UpdateBranch(const BRANCH_EDB& branch) {
    const int index = branch.branchNo - 1;
    if (index < 0 || index >= GetBranchCnt()) {
        return 0;
    }
    std::vector<BRANCH_EDB> changed = branches_;
    changed[static_cast<size_t>(index)] = branch;
    return Rewrite(changed);
}

int CTK73edbBranch::Rewrite(const std::vector<BRANCH_EDB>& branches) {
    const std::vector<EdbRow> rows = rowsOf(branches);
    if (!connection_.RewriteTable(tk73store::kBranchTable, tk73store::branchColumns(), rows,
                                  rowsOf(branches_))) {
        return 0;
    }
    // Memory holds what the table now holds, texts cut as they were written.
    branches_.clear();
    for (const EdbRow& row : rows) {
        branches_.push_back(branchOf(row));
    }
    return 1;
}
