#pragma once
// The working form of the merge: compares the merge items record by record and copies them,
// with register model 301's items 3 and 8 taken only at the characters that both machines share.

#include <vector>

#include "programfiles/merge_item_pair.h"
#include "programfiles/merge_positions_301.h"
#include "programfiles/merge_setting_data.h"

class CMergeSettingDataType1 : public CMergeSettingData {
  public:
    // Runs Initialize and notes whether the register is model 301.
    explicit CMergeSettingDataType1(int storeNo);

    // The merge's initialisation; notes again whether the register is model 301.
    [[nodiscard]] int Initialize(int storeNo) override;
    [[nodiscard]] int MergeFromRegToVek() override;
    [[nodiscard]] int MergeFromVekToReg() override;
    [[nodiscard]] int MergeRecordFromRegToVek(int file, int record) override;
    [[nodiscard]] int MergeRecordFromVekToReg(int file, int record) override;
    [[nodiscard]] int MergeOneItem(CPgmHandle& source, CPgmHandle& target, int file, int record,
                                   int item, int direction) override;
    int CreateMismatchInfoArray(int file) override;

    int IsRegModel301() const { return m_bRegModel301; }

  private:
    void NoteRegModel();
    // Resolves the group's items on both sides and notes which side has each.
    std::vector<tk73pgm::MergeItemPair> ResolveGroup(const tk73pgm::MergeGroup& group);
    // The position table of the item for this store's register, or null.
    const tagOffset_PGM_TBL* PositionsOf(int item) const;
    // Whether the two values of the item make a record differ (names aside).
    [[nodiscard]] bool ValuesDiffer(const tk73pgm::MergeItemPair& pair, const tagPGMITEMDATA& reg,
                                    const tagPGMITEMDATA& vek) const;
    void CompareGroup(const tk73pgm::MergeGroup& group);
    [[nodiscard]] int MergeAll(int direction);
    [[nodiscard]] int MergeRecord(int file, int record, int direction);
    CPgmHandle& SourceOf(int direction);
    CPgmHandle& TargetOf(int direction);
    // Copies the item's values over the records from the source handle to the target handle.
    [[nodiscard]] int CopyItem(CPgmHandle& source, CPgmHandle& target,
                               const tk73pgm::MergeItemPair& pair,
                               const tk73pgm::RecordRange& range, int direction);

    int m_bRegModel301 = 0;
};
