#pragma once
// The merge of the master data that a store's register and Vek controller share (items,
// departments, clerks, tax tables, set menus, pull-down lists): the records that differ are
// listed, the user chooses a direction and the kinds of data, and the values are copied. The
// setting editors copy single records in one direction.
//
// CMergeSettingData is the frame; CMergeSettingDataType1 compares and copies. Every operation
// does nothing (and answers 1) unless the store has both a register and a Vek controller.

#include <array>
#include <vector>

#include "programfiles/cmn_mainte_base.h"
#include "programfiles/merge_group_table.h"
#include "programfiles/merge_mismatch_info.h"

class CMergeSettingData : public CCmnMainteBase {
  public:
    // Runs Initialize.
    explicit CMergeSettingData(int storeNo);

    // The maintenance base's initialisation; then no item is known on either side.
    [[nodiscard]] int Initialize(int storeNo) override;
    // Copy every record of the selected groups (only while the mismatch list holds lines; the
    // list is emptied by a copy that succeeded). 1 on success.
    [[nodiscard]] virtual int MergeFromRegToVek() = 0;
    [[nodiscard]] virtual int MergeFromVekToReg() = 0;
    // Copy every item of the file's group for one record.
    [[nodiscard]] virtual int MergeRecordFromRegToVek(int file, int record) = 0;
    [[nodiscard]] virtual int MergeRecordFromVekToReg(int file, int record) = 0;
    // Copies one item of one record from the source handle to the target handle in the
    // direction (tk73pgm::kMergeRegToVek or kMergeVekToReg). An item that either side does not
    // define is passed over (1); 0 when the value cannot be read or written.
    [[nodiscard]] virtual int MergeOneItem(CPgmHandle& source, CPgmHandle& target, int file,
                                           int record, int item, int direction) = 0;
    // Builds the mismatch list of the group (of every group, in table order, for any value that
    // is not a group key) and selects exactly the groups that produced lines. Here: nothing.
    virtual int CreateMismatchInfoArray(int file);

    // The full merge: list the differences, let the user choose in the merge dialog, copy. With
    // reportMatch, a store whose data match hears so; a copy that fails is reported. Always 1.
    int ExecuteWithDialog(int reportMatch = 0);
    // Copies one record's items of the file's group; 0 when an item could not be copied.
    [[nodiscard]] int ExecuteOneRecordFromRegToVek(int file, int record);
    [[nodiscard]] int ExecuteOneRecordFromVekToReg(int file, int record);
    // What the Vek controller's own menu pages change, copied to the register: of a PLU record
    // only its item 6; of a set menu or pull-down list record everything but its name. 0 when
    // an item could not be copied (the others still are).
    [[nodiscard]] int ExecuteVekMenuRecordFromVekToReg(int file, int record);

    // Whether each definition has the merge item, as the last list or copy found.
    [[nodiscard]] int HasVekItem(int item) const;
    [[nodiscard]] int HasRegItem(int item) const;

    int GetMismatchInfoCount() const { return static_cast<int>(m_mismatchInfo.size()); }
    // Null for an index outside the list.
    const tagMISMATCHINFO* GetMismatchInfo(int index) const;

  protected:
    // The group's first and last position in the item table; -1 and -1 (and 0) for a file that
    // keys no group.
    [[nodiscard]] static int GetMergeFileInfo(int file, int& first, int& last);
    void AddMergeFileNoArray(int file);
    [[nodiscard]] int HasMergeFileNo(int file) const;
    void RemoveMergeFileNo(int file);
    void AddMismatchInfoArray(int file, int record, const std::string& vekName,
                              const std::string& regName, int differ);
    // Removes the lines of one group (of every group for a file that keys none).
    void ClearMismatchInfo(int file);
    // Whether the item of the file's group is one that the controller's menu pages set.
    [[nodiscard]] static int IsVekMenuItem(int file, bool isName, int item);
    // Both machines present: the only case in which the merge does anything.
    int HasBothMachines() const { return HasRegister() && HasVek(); }

    std::vector<tagMISMATCHINFO> m_mismatchInfo;
    std::vector<int> m_mergeFileNos;
    // Per position of the item table: whether each definition has the item.
    std::array<int, tk73pgm::kMergeItemCount> m_vekHasItem{};
    std::array<int, tk73pgm::kMergeItemCount> m_regHasItem{};
};
