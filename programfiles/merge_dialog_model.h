#pragma once
// What the merge dialog shows and how it answers, apart from its widgets: the pages of the
// mismatch list, the group check boxes, the choice of direction and the question that the run
// button asks. The Qt dialog shows this model; tests drive it directly.

#include <array>
#include <string>

#include "programfiles/merge_dialog_request.h"

class CMergeSettingDataDlgModel {
  public:
    static constexpr int kLinesPerPage = 100;

    // The texts of one line of the list.
    struct Line {
        std::string kind;
        std::string record;
        std::string vekName;
        std::string regName;
        std::string different;  // "Different" when a value other than the name differs
    };

    // Starts on the first page with "No merge" chosen and the groups that differ checked; the
    // other groups have nothing to copy and stay unchecked and disabled.
    explicit CMergeSettingDataDlgModel(const CMergeSettingDataRequest& request);

    int GetLineCount() const { return static_cast<int>(request_.mismatches.size()); }
    // At least 1.
    int GetPageCount() const;
    // Pages count from 1; SetPage keeps the page within 1 and GetPageCount().
    int GetPage() const { return page_; }
    void SetPage(int page);
    // The lines of the page as positions in the whole list, from 1 (first > last when the list
    // is empty).
    int GetFirstLine() const;
    int GetLastLine() const;
    // "Total %d, now %d - %d display".
    std::string GetRangeText() const;
    // A line of the whole list by its index from 0.
    Line GetLine(int index) const;

    // Per group, in table order.
    [[nodiscard]] int IsGroupEnabled(int group) const;
    int GetGroupCheck(int group) const;
    // A disabled group stays unchecked.
    void SetGroupCheck(int group, int checked);

    MergeChoice GetChoice() const { return choice_; }
    void SetChoice(MergeChoice choice) { choice_ = choice; }

    // The run button: for a direction asks whether to go on (No preselected). 1 when the dialog
    // may close with the choices, 0 when the user stays in it.
    [[nodiscard]] int ConfirmRun() const;
    // The choices into the request, when the dialog closes with OK.
    void StoreChoices(CMergeSettingDataRequest& request) const;

  private:
    const CMergeSettingDataRequest& request_;
    int page_ = 1;
    MergeChoice choice_ = MergeChoice::NoMerge;
    std::array<int, tk73pgm::kMergeGroupCount> enabled_{};
    std::array<int, tk73pgm::kMergeGroupCount> checks_{};
};
