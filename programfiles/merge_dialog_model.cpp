#include "programfiles/merge_dialog_model.h"

#include <algorithm>
#include <cstdio>

#include "base/user_interaction.h"

namespace {

bool validGroup(int group) {
    return group >= 0 && group < tk73pgm::kMergeGroupCount;
}

}  // namespace

CMergeSettingDataDlgModel::CMergeSettingDataDlgModel(const CMergeSettingDataRequest& request)
    : request_(request) {
    for (const int fileNo : request.groups) {
        const int group = tk73pgm::mergeGroupIndex(fileNo);
        if (validGroup(group)) {
            enabled_[static_cast<size_t>(group)] = 1;
            checks_[static_cast<size_t>(group)] = 1;
        }
    }
}

int CMergeSettingDataDlgModel::GetPageCount() const {
    return std::max(1, (GetLineCount() + kLinesPerPage - 1) / kLinesPerPage);
}

void CMergeSettingDataDlgModel::SetPage(int page) {
    page_ = std::clamp(page, 1, GetPageCount());
}

int CMergeSettingDataDlgModel::GetFirstLine() const {
    return (page_ - 1) * kLinesPerPage + 1;
}

int CMergeSettingDataDlgModel::GetLastLine() const {
    return std::min(GetLineCount(), page_ * kLinesPerPage);
}

std::string CMergeSettingDataDlgModel::GetRangeText() const {
    char text[96];
    std::snprintf(text, sizeof text, "Total %d, now %d - %d display", GetLineCount(),
                  GetFirstLine(), GetLastLine());
    return text;
}

CMergeSettingDataDlgModel::Line CMergeSettingDataDlgModel::GetLine(int index) const {
    Line line;
    if (index < 0 || index >= GetLineCount()) {
        return line;
    }
    const tagMISMATCHINFO& info = request_.mismatches[static_cast<size_t>(index)];
    if (const tk73pgm::MergeGroup* group = tk73pgm::findMergeGroup(info.nFileNo)) {
        line.kind = group->kindText;
    }
    line.record = std::to_string(info.nRecordNo);
    line.vekName = info.vekName;
    line.regName = info.regName;
    line.different = info.nDiffer == 1 ? "Different" : "";
    return line;
}

int CMergeSettingDataDlgModel::IsGroupEnabled(int group) const {
    return validGroup(group) ? enabled_[static_cast<size_t>(group)] : 0;
}

int CMergeSettingDataDlgModel::GetGroupCheck(int group) const {
    return validGroup(group) ? checks_[static_cast<size_t>(group)] : 0;
}

void CMergeSettingDataDlgModel::SetGroupCheck(int group, int checked) {
    if (IsGroupEnabled(group)) {
        checks_[static_cast<size_t>(group)] = checked ? 1 : 0;
    }
}

int CMergeSettingDataDlgModel::ConfirmRun() const {
    const char* question = nullptr;
    switch (choice_) {
        case MergeChoice::VekToReg:
            question = "Merge VEK programming data to REG data. Are you sure?";
            break;
        case MergeChoice::RegToVek:
            question = "Merge REG programming data to VEK data. Are you sure?";
            break;
        case MergeChoice::NoMerge:
            return 1;
    }
    return tk73::ui().question(question, kMergeCaption, tk73::Buttons::YesNo, tk73::Button::No,
                               tk73::MessageIcon::Exclamation) == tk73::Button::Yes
               ? 1
               : 0;
}

void CMergeSettingDataDlgModel::StoreChoices(CMergeSettingDataRequest& request) const {
    request.choice = choice_;
    request.checks = checks_;
}
