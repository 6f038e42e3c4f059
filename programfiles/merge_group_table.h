#pragma once
// The kinds of master data that a register and its Vek controller share. Each kind is a group of
// items of the merge menu (menu 28), which both definition files describe with the same item
// numbers; a group is keyed by the register program file that holds it.

#include <array>
#include <cstddef>

namespace tk73pgm {

// The menu of the merge items and how many items it has.
inline constexpr int kMergeMenuNo = 28;
inline constexpr int kMergeItemCount = 55;
inline constexpr int kMergeGroupCount = 6;

// The group keys.
inline constexpr int kMergeFilePlu = 4;
inline constexpr int kMergeFileDept = 5;
inline constexpr int kMergeFileClerk = 7;
inline constexpr int kMergeFileTax = 25;
inline constexpr int kMergeFileSetMenu = 28;
inline constexpr int kMergeFilePullDown = 26;

struct MergeGroup {
    int fileNo;
    const char* kindText;   // the kind column of the mismatch list
    const char* checkText;  // the group's check box
    // The group's first and last position in the item table; the first item is the record's
    // name (for the tax tables a number: their names are made from the record number).
    int first;
    int last;
};

// The groups in table order.
const std::array<MergeGroup, kMergeGroupCount>& mergeGroups();
// The group of the key, or null.
const MergeGroup* findMergeGroup(int fileNo);
// The group's position in mergeGroups(), or -1.
[[nodiscard]] int mergeGroupIndex(int fileNo);
// The menu 28 item at a position of the item table (0 to 54), and the reverse (-1 for an item
// that is not in the table).
[[nodiscard]] int mergeItemAt(int position);
[[nodiscard]] int mergeItemPosition(int item);

}  // namespace tk73pgm
