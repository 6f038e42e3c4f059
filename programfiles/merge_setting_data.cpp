#include "programfiles/merge_setting_data.h"

#include <algorithm>

#include "base/user_interaction.h"
#include "programfiles/cmn_update_info.h"
#include "programfiles/merge_dialog_request.h"
#include "programfiles/merge_positions_301.h"

CMergeSettingData::CMergeSettingData(int storeNo) {
    // A store that cannot be read leaves the object without files, and every merge fails.
    (void)CMergeSettingData::Initialize(storeNo);
}

int CMergeSettingData::Initialize(int storeNo) {
    const int found = CCmnMainteBase::Initialize(storeNo);
    m_mismatchInfo.clear();
    m_mergeFileNos.clear();
    m_vekHasItem.fill(0);
    m_regHasItem.fill(0);
    return found;
}

int CMergeSettingData::CreateMismatchInfoArray(int) {
    return 1;
}

const tagMISMATCHINFO* CMergeSettingData::GetMismatchInfo(int index) const {
    if (index < 0 || index >= GetMismatchInfoCount()) {
        return nullptr;
    }
    return &m_mismatchInfo[static_cast<size_t>(index)];
}

int CMergeSettingData::HasVekItem(int item) const {
    const int position = tk73pgm::mergeItemPosition(item);
    return position < 0 ? 0 : m_vekHasItem[static_cast<size_t>(position)];
}

int CMergeSettingData::HasRegItem(int item) const {
    const int position = tk73pgm::mergeItemPosition(item);
    return position < 0 ? 0 : m_regHasItem[static_cast<size_t>(position)];
}

int CMergeSettingData::GetMergeFileInfo(int file, int& first, int& last) {
    const tk73pgm::MergeGroup* group = tk73pgm::findMergeGroup(file);
    first = group != nullptr ? group->first : -1;
    last = group != nullptr ? group->last : -1;
    return group != nullptr ? 1 : 0;
}

void CMergeSettingData::AddMergeFileNoArray(int file) {
    if (!HasMergeFileNo(file)) {
        m_mergeFileNos.push_back(file);
    }
}

int CMergeSettingData::HasMergeFileNo(int file) const {
    return std::find(m_mergeFileNos.begin(), m_mergeFileNos.end(), file) != m_mergeFileNos.end()
               ? 1
               : 0;
}

void CMergeSettingData::RemoveMergeFileNo(int file) {
    std::erase(m_mergeFileNos, file);
}

void CMergeSettingData::AddMismatchInfoArray(int file, int record, const std::string& vekName,
                                             const std::string& regName, int differ) {
    m_mismatchInfo.push_back({file, record, vekName, regName, differ});
}

void CMergeSettingData::ClearMismatchInfo(int file) {
    if (tk73pgm::findMergeGroup(file) == nullptr) {
        m_mismatchInfo.clear();
        return;
    }
    std::erase_if(m_mismatchInfo,
                  [file](const tagMISMATCHINFO& line) { return line.nFileNo == file; });
}

int CMergeSettingData::ExecuteWithDialog(int reportMatch) {
    if (!HasBothMachines()) {
        return 1;
    }
    CreateMismatchInfoArray(-1);
    if (m_mismatchInfo.empty()) {
        if (reportMatch) {
            tk73::ui().message("VEK and REG data is matched.", kMergeCaption,
                               tk73::MessageIcon::Information);
        }
        return 1;
    }
    CMergeSettingDataRequest request(m_mismatchInfo, m_mergeFileNos);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok ||
        request.choice == MergeChoice::NoMerge) {
        return 1;
    }
    for (const tk73pgm::MergeGroup& group : tk73pgm::mergeGroups()) {
        if (!request.IsChecked(group.fileNo)) {
            RemoveMergeFileNo(group.fileNo);
        }
    }
    const bool pluCopied = HasMergeFileNo(tk73pgm::kMergeFilePlu);
    const int merged =
        request.choice == MergeChoice::VekToReg ? MergeFromVekToReg() : MergeFromRegToVek();
    if (merged == 0) {
        tk73::ui().message(kMergeFailed, kMergeCaption, tk73::MessageIcon::Error);
    }
    if (pluCopied) {
        // The records are copied; the menu's date of change only tells the register when.
        (void)CCmnUpdateInfo(*this).UpdateMenuDateTime(1, 1);
    }
    return 1;
}

int CMergeSettingData::ExecuteOneRecordFromRegToVek(int file, int record) {
    return HasBothMachines() ? MergeRecordFromRegToVek(file, record) : 1;
}

int CMergeSettingData::ExecuteOneRecordFromVekToReg(int file, int record) {
    return HasBothMachines() ? MergeRecordFromVekToReg(file, record) : 1;
}

int CMergeSettingData::ExecuteVekMenuRecordFromVekToReg(int file, int record) {
    int first = -1;
    int last = -1;
    if (!HasBothMachines() || !GetMergeFileInfo(file, first, last)) {
        return 1;
    }
    int copied = 1;
    for (int position = first; position <= last; ++position) {
        if (IsVekMenuItem(file, position == first, tk73pgm::mergeItemAt(position)) &&
            !MergeOneItem(GetVekPgmHandle(), GetRegPgmHandle(), file, record,
                          tk73pgm::mergeItemAt(position), tk73pgm::kMergeVekToReg)) {
            copied = 0;
        }
    }
    return copied;
}

int CMergeSettingData::IsVekMenuItem(int file, bool isName, int item) {
    // The PLU's item 6 is the one PLU setting of the controller's menu pages; set menus and
    // pull-down lists keep the register's names.
    constexpr int kPluMenuItem = 6;
    switch (file) {
        case tk73pgm::kMergeFilePlu:
            return item == kPluMenuItem ? 1 : 0;
        case tk73pgm::kMergeFileSetMenu:
        case tk73pgm::kMergeFilePullDown:
            return isName ? 0 : 1;
        default:
            return 0;
    }
}
