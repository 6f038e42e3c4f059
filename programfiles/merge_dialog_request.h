#pragma once
// The merge dialog as the merge asks the user-interaction seam for it: the mismatch list and
// the groups that differ go in; the choice of direction and the checked groups come out when
// the dialog closes with OK.

#include <array>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"
#include "programfiles/merge_group_table.h"
#include "programfiles/merge_mismatch_info.h"

inline constexpr const char* kMergeDialogName = "MergeSettingData";
// The caption of the merge's questions and messages.
inline constexpr const char* kMergeCaption = "VEK/REG data merge.";
inline constexpr const char* kMergeFailed = "The data could not all be copied.";

enum class MergeChoice { NoMerge, VekToReg, RegToVek };

class CMergeSettingDataRequest : public tk73::DialogRequest {
  public:
    // The dialog works on its own copies of the lists.
    CMergeSettingDataRequest(std::vector<tagMISMATCHINFO> mismatchList, std::vector<int> groupList)
        : mismatches(std::move(mismatchList)), groups(std::move(groupList)) {}

    std::string_view dialogName() const override { return kMergeDialogName; }

    // Whether the group of the key was checked (0 for a key of no group).
    [[nodiscard]] int IsChecked(int fileNo) const {
        const int index = tk73pgm::mergeGroupIndex(fileNo);
        return index < 0 ? 0 : checks[static_cast<size_t>(index)];
    }

    const std::vector<tagMISMATCHINFO> mismatches;
    const std::vector<int> groups;

    MergeChoice choice = MergeChoice::NoMerge;
    // Per group, in table order.
    std::array<int, tk73pgm::kMergeGroupCount> checks{};
};
