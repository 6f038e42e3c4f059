#include "storedb/edb_reg_vek.h"

#include "storedb/edb_columns.h"
#include "storedb/edb_field_text.h"

namespace {

using tk73store::boundedText;
using tk73store::EdbRow;

STORE_MANAGE_ENTRY entryOf(const EdbRow& row) {
    STORE_MANAGE_ENTRY entry;
    entry.storeNo = tk73store::numberOf(row[0]);
    entry.machineNo = tk73store::numberOf(row[1]);
    entry.machineName = boundedText(row[2], STORE_MANAGE_ENTRY::kNameBytes);
    entry.operateStatus = tk73store::flagOf(row[3]);
    entry.ipAddr = boundedText(row[4], STORE_MANAGE_ENTRY::kIpBytes);
    entry.update = boundedText(row[5], STORE_MANAGE_ENTRY::kUpdateBytes);
    return entry;
}

EdbRow rowOf(const STORE_MANAGE_ENTRY& entry) {
    return {tk73store::numberText(entry.storeNo),
            tk73store::numberText(entry.machineNo),
            boundedText(entry.machineName, STORE_MANAGE_ENTRY::kNameBytes),
            tk73store::flagText(entry.operateStatus),
            boundedText(entry.ipAddr, STORE_MANAGE_ENTRY::kIpBytes),
            boundedText(entry.update, STORE_MANAGE_ENTRY::kUpdateBytes)};
}

}  // namespace

tk73store::EdbColumns CTK73edbRegVekBase::Columns() const {
    return tk73store::machineColumns(GetMachineNoKeyWord(), GetMachineNameKeyWord());
}

void CTK73edbRegVekBase::Load() {
    std::vector<EdbRow> rows;
    // A table that cannot be read has no rows here, and the connection refuses to rewrite it.
    (void)connection_.ReadTable(GetEDBFileName(), Columns(), rows);
    const size_t capacity = blocks_.size() * EDB_MACHINES_PER_STORE;
    for (size_t record = 0; record < rows.size() && record < capacity; ++record) {
        blocks_[record / EDB_MACHINES_PER_STORE].entries[record % EDB_MACHINES_PER_STORE] =
            entryOf(rows[record]);
    }
}

std::vector<EdbRow> CTK73edbRegVekBase::RowsOf(
    const std::array<STORE_MANAGE, EDB_MAX_MACHINE_BLOCK>& blocks) const {
    std::vector<EdbRow> rows;
    for (const STORE_MANAGE& block : blocks) {
        if (block.StoreNo() == 0) {
            break;
        }
        for (const STORE_MANAGE_ENTRY& entry : block.entries) {
            rows.push_back(rowOf(entry));
        }
    }
    return rows;
}

int CTK73edbRegVekBase::InitRegisterEdb(STORE_MANAGE* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    return 1;
}

int CTK73edbRegVekBase::GetRegister(STORE_MANAGE* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    for (const STORE_MANAGE& block : blocks_) {
        if (block.StoreNo() == storeNo_) {
            *out = block;
            return 1;
        }
    }
    return 0;
}

int CTK73edbRegVekBase::SetRegister(const STORE_MANAGE& block) {
    // A block of another store, or an empty one, would end the table early on the next write
    // and lose the blocks behind it.
    if (storeNo_ == 0 || block.StoreNo() != storeNo_) {
        return 0;
    }
    for (size_t place = 0; place < blocks_.size(); ++place) {
        const int owner = blocks_[place].StoreNo();
        if (owner != storeNo_ && owner != 0) {
            continue;
        }
        std::array<STORE_MANAGE, EDB_MAX_MACHINE_BLOCK> changed = blocks_;
        changed[place] = block;
        const std::vector<EdbRow> rows = RowsOf(changed);
        if (!connection_.RewriteTable(GetEDBFileName(), Columns(), rows, RowsOf(blocks_))) {
            return 0;
        }
        // Memory holds what the table now holds, texts cut as they were written.
        for (size_t record = 0; record < EDB_MACHINES_PER_STORE; ++record) {
            changed[place].entries[record] = entryOf(rowOf(block.entries[record]));
        }
        blocks_ = changed;
        return 1;
    }
    return 0;
}
