#include "programfiles/merge_setting_data_type1.h"

using tk73pgm::kMergeRegToVek;
using tk73pgm::kMergeVekToReg;
using tk73pgm::MergeGroup;
using tk73pgm::MergeItemPair;
using tk73pgm::RecordRange;

CMergeSettingDataType1::CMergeSettingDataType1(int storeNo) : CMergeSettingData(storeNo) {
    NoteRegModel();
}

int CMergeSettingDataType1::Initialize(int storeNo) {
    const int found = CMergeSettingData::Initialize(storeNo);
    NoteRegModel();
    return found;
}

void CMergeSettingDataType1::NoteRegModel() {
    m_bRegModel301 = HasRegister() && GetRegModel().modelNo == tk73pgm::kPositionMergeModel ? 1 : 0;
}

const tagOffset_PGM_TBL* CMergeSettingDataType1::PositionsOf(int item) const {
    return m_bRegModel301 ? tk73pgm::positionTableOf(item) : nullptr;
}

CPgmHandle& CMergeSettingDataType1::SourceOf(int direction) {
    return direction == kMergeRegToVek ? static_cast<CPgmHandle&>(GetRegPgmHandle())
                                       : GetVekPgmHandle();
}

CPgmHandle& CMergeSettingDataType1::TargetOf(int direction) {
    return direction == kMergeRegToVek ? static_cast<CPgmHandle&>(GetVekPgmHandle())
                                       : GetRegPgmHandle();
}

std::vector<MergeItemPair> CMergeSettingDataType1::ResolveGroup(const MergeGroup& group) {
    std::vector<MergeItemPair> pairs;
    for (int position = group.first; position <= group.last; ++position) {
        MergeItemPair pair = tk73pgm::resolveMergeItem(GetRegPgmHandle(), GetVekPgmHandle(),
                                                       tk73pgm::mergeItemAt(position));
        m_regHasItem[static_cast<size_t>(position)] = pair.hasReg ? 1 : 0;
        m_vekHasItem[static_cast<size_t>(position)] = pair.hasVek ? 1 : 0;
        pairs.push_back(pair);
    }
    return pairs;
}

int CMergeSettingDataType1::CopyItem(CPgmHandle& source, CPgmHandle& target,
                                     const MergeItemPair& pair, const RecordRange& range,
                                     int direction) {
    const bool toVek = direction == kMergeRegToVek;
    const tagPGMITEMDEF& from = toVek ? pair.reg : pair.vek;
    const tagPGMITEMDEF& to = toVek ? pair.vek : pair.reg;
    PGMITEMDATAARRAY values;
    if (!tk73pgm::readItemValues(source, from, range, values)) {
        return 0;
    }
    if (const tagOffset_PGM_TBL* table = PositionsOf(pair.item);
        table != nullptr && to.nDataType == PGM_DATA_CHAR) {
        // Only the shared characters move; the target keeps the rest of its value.
        PGMITEMDATAARRAY current;
        if (!tk73pgm::readItemValues(target, to, range, current)) {
            return 0;
        }
        for (int i = 0; i < range.count; ++i) {
            const size_t at = static_cast<size_t>(i);
            tk73pgm::placePositions(table, values[at].text, current[at].text, direction);
        }
        values.swap(current);
    }
    return tk73pgm::writeItemValues(target, to, range, values) ? 1 : 0;
}

int CMergeSettingDataType1::MergeAll(int direction) {
    if (!HasBothMachines() || m_mismatchInfo.empty()) {
        return 1;
    }
    int copied = 1;
    for (const MergeGroup& group : tk73pgm::mergeGroups()) {
        if (!HasMergeFileNo(group.fileNo)) {
            continue;
        }
        for (const MergeItemPair& pair : ResolveGroup(group)) {
            if (pair.comparable() && !CopyItem(SourceOf(direction), TargetOf(direction), pair,
                                               pair.records(), direction)) {
                copied = 0;
            }
        }
    }
    if (copied) {
        m_mismatchInfo.clear();
    }
    return copied;
}

int CMergeSettingDataType1::MergeFromRegToVek() {
    return MergeAll(kMergeRegToVek);
}

int CMergeSettingDataType1::MergeFromVekToReg() {
    return MergeAll(kMergeVekToReg);
}

int CMergeSettingDataType1::MergeRecord(int file, int record, int direction) {
    int first = -1;
    int last = -1;
    if (!HasBothMachines() || !GetMergeFileInfo(file, first, last)) {
        return 1;
    }
    int copied = 1;
    for (int position = first; position <= last; ++position) {
        if (!MergeOneItem(SourceOf(direction), TargetOf(direction), file, record,
                          tk73pgm::mergeItemAt(position), direction)) {
            copied = 0;
        }
    }
    return copied;
}

int CMergeSettingDataType1::MergeRecordFromRegToVek(int file, int record) {
    return MergeRecord(file, record, kMergeRegToVek);
}

int CMergeSettingDataType1::MergeRecordFromVekToReg(int file, int record) {
    return MergeRecord(file, record, kMergeVekToReg);
}

int CMergeSettingDataType1::MergeOneItem(CPgmHandle& source, CPgmHandle& target, int, int record,
                                         int item, int direction) {
    if (!HasBothMachines()) {
        return 1;
    }
    const bool toVek = direction == kMergeRegToVek;
    CPgmHandle& reg = toVek ? source : target;
    CPgmHandle& vek = toVek ? target : source;
    const MergeItemPair pair = tk73pgm::resolveMergeItem(reg, vek, item);
    if (!pair.comparable()) {
        return 1;
    }
    return CopyItem(source, target, pair, {record, 1}, direction);
}
