#include "storedb/edb_store.h"

#include "storedb/edb_columns.h"
#include "storedb/edb_field_text.h"
#include "storedb/edb_model.h"
#include "storedb/store_folder.h"

namespace {

using tk73store::boundedText;
using tk73store::EdbRow;
using tk73store::flagOf;
using tk73store::flagText;
using tk73store::numberOf;
using tk73store::numberText;

STORE_EDB storeOf(const EdbRow& row) {
    STORE_EDB store;
    store.storeNo = numberOf(row[0]);
    store.storeName = boundedText(row[1], STORE_EDB::kNameBytes);
    store.clerk = boundedText(row[2], STORE_EDB::kClerkBytes);
    store.comment = boundedText(row[3], STORE_EDB::kCommentBytes);
    store.branchNo = numberOf(row[4]);
    store.vekModelNo = numberOf(row[5]);
    store.vekSelType = flagOf(row[6]);
    store.regModelNo = numberOf(row[7]);
    store.regSelType = flagOf(row[8]);
    store.scanStartNo = numberOf(row[9]);
    store.changeBusinessDay = boundedText(row[10], STORE_EDB::kBusinessDayBytes);
    store.update = boundedText(row[11], STORE_EDB::kUpdateBytes);
    store.vekLinkage = flagOf(row[12]);
    return store;
}

EdbRow rowOf(const STORE_EDB& store) {
    return {numberText(store.storeNo),
            boundedText(store.storeName, STORE_EDB::kNameBytes),
            boundedText(store.clerk, STORE_EDB::kClerkBytes),
            boundedText(store.comment, STORE_EDB::kCommentBytes),
            numberText(store.branchNo),
            numberText(store.vekModelNo),
            flagText(store.vekSelType),
            numberText(store.regModelNo),
            flagText(store.regSelType),
            tk73store::plainNumberText(store.scanStartNo),
            boundedText(store.changeBusinessDay, STORE_EDB::kBusinessDayBytes),
            boundedText(store.update, STORE_EDB::kUpdateBytes),
            flagText(store.vekLinkage)};
}

std::vector<EdbRow> rowsOf(const std::vector<STORE_EDB>& stores) {
    std::vector<EdbRow> rows;
    for (const STORE_EDB& store : stores) {
        rows.push_back(rowOf(store));
    }
    return rows;
}

}  // namespace

CTK73edbStore::CTK73edbStore() {
    std::vector<EdbRow> rows;
    // A table that cannot be read has no rows here, and the connection refuses to rewrite it.
    (void)connection_.ReadTable(tk73store::kStoreTable, tk73store::storeColumns(), rows);
    for (const EdbRow& row : rows) {
        if (stores_.size() == EDB_MAX_STORE) {
            break;
        }
        stores_.push_back(storeOf(row));
    }
}

int CTK73edbStore::FindStore(int storeNo) const {
    for (size_t index = 0; index < stores_.size(); ++index) {
        if (stores_[index].storeNo == storeNo) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

int CTK73edbStore::GetStoreFromIndex(int index, STORE_EDB* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    if (index < 0 || index >= GetStoreCnt()) {
        return 0;
    }
    *out = stores_[static_cast<size_t>(index)];
    return 1;
}

int CTK73edbStore::GetStoreFromIndex(int branchNo, int n, STORE_EDB* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    int seen = 0;
    for (const STORE_EDB& store : stores_) {
        if (store.branchNo == branchNo && seen++ == n) {
            *out = store;
            break;
        }
    }
    return 1;
}

int CTK73edbStore::GetStoreFromStoreNo(int storeNo, STORE_EDB* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    const int index = FindStore(storeNo);
    if (index < 0) {
        return 0;
    }
    *out = stores_[static_cast<size_t>(index)];
    return 1;
}

int CTK73edbStore::GetStoreCntFromBranchNo(int branchNo, int regModelNo) const {
    int count = 0;
    for (const STORE_EDB& store : stores_) {
        if (store.branchNo == branchNo && (regModelNo < 0 || store.regModelNo == regModelNo)) {
            ++count;
        }
    }
    return count;
}

int CTK73edbStore::ConvStoreNoToIndexNo(int storeNo) const {
    const int index = FindStore(storeNo);
    return index < 0 ? 0 : index;
}

int CTK73edbStore::IsExistStoreNo(int storeNo) const {
    return tk73store::storeFolderExists(storeNo) ? 1 : 0;
}

int CTK73edbStore::GetNewStoreNo() const {
    for (int storeNo = 1; storeNo <= EDB_MAX_STORE; ++storeNo) {
        if (!IsExistStoreNo(storeNo)) {
            return storeNo;
        }
    }
    return 0;
}

int CTK73edbStore::IsExistStoreName(const char* name, int storeNo) const {
    if (name == nullptr) {
        return 0;
    }
    for (const STORE_EDB& store : stores_) {
        if (store.storeNo != storeNo && store.storeName == name) {
            return 1;
        }
    }
    return 0;
}

int CTK73edbStore::AddStore(const STORE_EDB& store) {
    if (GetStoreCnt() >= EDB_MAX_STORE || store.storeNo < 1 || store.storeNo > EDB_MAX_STORE ||
        FindStore(store.storeNo) >= 0) {
        return 0;
    }
    std::vector<STORE_EDB> changed = stores_;
    changed.push_back(store);
    return Rewrite(changed);
}

int CTK73edbStore::UpdateStore(const STORE_EDB& store) {
    const int index = FindStore(store.storeNo);
    if (index < 0) {
        return 0;
    }
    std::vector<STORE_EDB> changed = stores_;
    changed[static_cast<size_t>(index)] = store;
    return Rewrite(changed);
}

int CTK73edbStore::DeleteStore(const STORE_EDB& store) {
    const int index = FindStore(store.storeNo);
    if (index < 0) {
        return 0;
    }
    std::vector<STORE_EDB> changed = stores_;
    changed.erase(changed.begin() + index);
    return Rewrite(changed);
}

int CTK73edbStore::GetWithVek(int storeNo, int* with, int* linked) const {
    int hasVek = 0;
    int isLinked = 0;
    const int index = FindStore(storeNo);
    if (index >= 0) {
        const STORE_EDB& store = stores_[static_cast<size_t>(index)];
        // Model number 0 is the store without a controller, whatever the model list holds.
        hasVek = store.vekModelNo != 0 && CTK73edbVekModel().IsExistModelNo(store.vekModelNo);
        isLinked = hasVek && store.vekLinkage != '1';
    }
    if (with != nullptr) {
        *with = hasVek;
    }
    if (linked != nullptr) {
        *linked = isLinked;
    }
    return index >= 0 ? 1 : 0;
}

int CTK73edbStore::Rewrite(const std::vector<STORE_EDB>& stores) {
    const std::vector<EdbRow> rows = rowsOf(stores);
    if (!connection_.RewriteTable(tk73store::kStoreTable, tk73store::storeColumns(), rows,
                                  rowsOf(stores_))) {
        return 0;
    }
    // Memory holds what the table now holds, texts cut as they were written.
    stores_.clear();
    for (const EdbRow& row : rows) {
        stores_.push_back(storeOf(row));
    }
    return 1;
}
