// Building the mismatch list: which records of the shared kinds differ between the register
// and the Vek controller.

#include <cstdio>

#include "definitions/no_case.h"
#include "programfiles/merge_setting_data_type1.h"

using tk73pgm::MergeGroup;
using tk73pgm::MergeItemPair;
using tk73pgm::RecordRange;

namespace {

// A name as the list shows it: the text without its padding, or the number.
std::string nameOf(const MergeItemPair& pair, const tagPGMITEMDATA& value) {
    return pair.reg.nDataType == PGM_DATA_CHAR ? tk73pgm::withoutPadding(value.text)
                                               : std::to_string(value.value);
}

std::string taxTableName(int record) {
    char name[32];
    std::snprintf(name, sizeof name, "Tax table %d", record);
    return name;
}

}  // namespace

bool CMergeSettingDataType1::ValuesDiffer(const MergeItemPair& pair, const tagPGMITEMDATA& reg,
                                          const tagPGMITEMDATA& vek) const {
    if (pair.reg.nDataType != PGM_DATA_CHAR) {
        return reg.value != vek.value;
    }
    if (pair.item == 2) {
        return !tk73def::equalsNoCase(tk73pgm::withoutPadding(reg.text),
                                      tk73pgm::withoutPadding(vek.text));
    }
    // Of the other texts only the characters that both machines share are compared, and only
    // where the register's layout is known.
    if (const tagOffset_PGM_TBL* table = PositionsOf(pair.item)) {
        std::string placed = vek.text;
        tk73pgm::placePositions(table, reg.text, placed, tk73pgm::kMergeRegToVek);
        return placed != vek.text;
    }
    return false;
}

void CMergeSettingDataType1::CompareGroup(const MergeGroup& group) {
    const std::vector<MergeItemPair> pairs = ResolveGroup(group);
    RecordRange range;
    bool first = true;
    for (const MergeItemPair& pair : pairs) {
        if (pair.comparable()) {
            range = first ? pair.records() : tk73pgm::commonRecords(range, pair.records());
            first = false;
        }
    }
    std::vector<PGMITEMDATAARRAY> regValues(pairs.size());
    std::vector<PGMITEMDATAARRAY> vekValues(pairs.size());
    std::vector<bool> read(pairs.size(), false);
    for (size_t i = 0; i < pairs.size(); ++i) {
        // An item that cannot be read on either side is not compared; the others still are.
        read[i] = pairs[i].comparable() &&
                  tk73pgm::readItemValues(GetRegPgmHandle(), pairs[i].reg, range, regValues[i]) &&
                  tk73pgm::readItemValues(GetVekPgmHandle(), pairs[i].vek, range, vekValues[i]);
    }
    // The tax tables have no names: the first item is a value like any other.
    const bool named = group.fileNo != tk73pgm::kMergeFileTax;
    const size_t firstValue = named ? 1 : 0;
    bool listed = false;
    for (int r = 0; r < range.count; ++r) {
        const size_t at = static_cast<size_t>(r);
        const int record = range.first + r;
        std::string vekName = taxTableName(record);
        std::string regName = vekName;
        if (named) {
            vekName = read[0] ? nameOf(pairs[0], vekValues[0][at]) : std::string();
            regName = read[0] ? nameOf(pairs[0], regValues[0][at]) : std::string();
        }
        int differ = 0;
        for (size_t i = firstValue; i < pairs.size() && !differ; ++i) {
            differ = read[i] && ValuesDiffer(pairs[i], regValues[i][at], vekValues[i][at]) ? 1 : 0;
        }
        if (differ || !tk73def::equalsNoCase(vekName, regName)) {
            AddMismatchInfoArray(group.fileNo, record, vekName, regName, differ);
            listed = true;
        }
    }
    if (listed) {
        AddMergeFileNoArray(group.fileNo);
    } else {
        RemoveMergeFileNo(group.fileNo);
    }
}

int CMergeSettingDataType1::CreateMismatchInfoArray(int file) {
    if (!HasBothMachines()) {
        return 1;
    }
    ClearMismatchInfo(file);
    const MergeGroup* only = tk73pgm::findMergeGroup(file);
    for (const MergeGroup& group : tk73pgm::mergeGroups()) {
        if (only == nullptr || only->fileNo == group.fileNo) {
            CompareGroup(group);
        }
    }
    return 1;
}
