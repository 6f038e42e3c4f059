#include "programfiles/merge_group_table.h"

namespace tk73pgm {

namespace {

// The items of the groups, group after group; the first of each is the record's name.
constexpr std::array<int, kMergeItemCount> kItems = {
    1,  2,  3,  4,  5,  6,  52, 53,                                              // PLU
    7,  8,  54, 55,                                                              // department
    9,  10,                                                                      // clerk
    11, 12, 13,                                                                  // tax table
    14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29,              // set menu
    30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,  // pull-down
    49, 50, 51};

constexpr std::array<MergeGroup, kMergeGroupCount> kGroups = {{
    {kMergeFilePlu, "Menu(PLU)", "PLU", 0, 7},
    {kMergeFileDept, "Dept", "Dept", 8, 11},
    {kMergeFileClerk, "Clerk", "Clerk", 12, 13},
    {kMergeFileTax, "Tax Table", "Tax Table", 14, 16},
    {kMergeFileSetMenu, "Setmenu", "Setmenu", 17, 32},
    {kMergeFilePullDown, "Pull-down link", "Pull-down list", 33, 54},
}};

// The groups cover the item table exactly, in order.
constexpr bool groupsCoverItems() {
    int next = 0;
    for (const MergeGroup& group : kGroups) {
        if (group.first != next || group.last < group.first) {
            return false;
        }
        next = group.last + 1;
    }
    return next == kMergeItemCount;
}
static_assert(groupsCoverItems());

}  // namespace

const std::array<MergeGroup, kMergeGroupCount>& mergeGroups() {
    return kGroups;
}

int mergeGroupIndex(int fileNo) {
    for (int i = 0; i < kMergeGroupCount; ++i) {
        if (kGroups[static_cast<std::size_t>(i)].fileNo == fileNo) {
            return i;
        }
    }
    return -1;
}

const MergeGroup* findMergeGroup(int fileNo) {
    const int index = mergeGroupIndex(fileNo);
    return index < 0 ? nullptr : &kGroups[static_cast<std::size_t>(index)];
}

int mergeItemAt(int position) {
    return position >= 0 && position < kMergeItemCount ? kItems[static_cast<std::size_t>(position)]
                                                       : 0;
}

int mergeItemPosition(int item) {
    for (int position = 0; position < kMergeItemCount; ++position) {
        if (kItems[static_cast<std::size_t>(position)] == item) {
            return position;
        }
    }
    return -1;
}

}  // namespace tk73pgm
