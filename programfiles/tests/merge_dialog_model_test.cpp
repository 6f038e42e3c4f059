// The merge dialog apart from its widgets: pages, lines, group checks and the run button.

#include <gtest/gtest.h>

#include "base/testing/scripted_user_interaction.h"
#include "programfiles/merge_dialog_model.h"

namespace {

using tk73::Button;

// count lines, alternating between a name-only difference and a value difference, all PLU.
CMergeSettingDataRequest pluLines(int count, std::vector<int> groups = {4}) {
    std::vector<tagMISMATCHINFO> lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back({4, i, "Vek " + std::to_string(i), "Reg " + std::to_string(i), i % 2});
    }
    return CMergeSettingDataRequest(std::move(lines), std::move(groups));
}

TEST(MergeDialogModel, ShowsAHundredLinesAPage) {
    const CMergeSettingDataRequest request = pluLines(250);
    CMergeSettingDataDlgModel model(request);
    EXPECT_EQ(model.GetPageCount(), 3);
    EXPECT_EQ(model.GetPage(), 1);
    EXPECT_EQ(model.GetRangeText(), "Total 250, now 1 - 100 display");
    model.SetPage(2);
    EXPECT_EQ(model.GetRangeText(), "Total 250, now 101 - 200 display");
    model.SetPage(3);
    EXPECT_EQ(model.GetFirstLine(), 201);
    EXPECT_EQ(model.GetLastLine(), 250);
    EXPECT_EQ(model.GetRangeText(), "Total 250, now 201 - 250 display");
    model.SetPage(4);
    EXPECT_EQ(model.GetPage(), 3);
    model.SetPage(0);
    EXPECT_EQ(model.GetPage(), 1);

    for (const auto& [lines, pages] : {std::pair{1, 1}, {100, 1}, {101, 2}, {200, 2}}) {
        const CMergeSettingDataRequest sized = pluLines(lines);
        EXPECT_EQ(CMergeSettingDataDlgModel(sized).GetPageCount(), pages) << lines;
    }
}

TEST(MergeDialogModel, GivesEachLineItsKindNamesAndDifference) {
    const CMergeSettingDataRequest request(
        {{4, 11, "Brioche roll", "Brioche", 0}, {26, 2, "Bread", "Bread", 1}}, {4, 26});
    CMergeSettingDataDlgModel model(request);
    const CMergeSettingDataDlgModel::Line plu = model.GetLine(0);
    EXPECT_EQ(plu.kind, "Menu(PLU)");
    EXPECT_EQ(plu.record, "11");
    EXPECT_EQ(plu.vekName, "Brioche roll");
    EXPECT_EQ(plu.regName, "Brioche");
    EXPECT_EQ(plu.different, "");
    EXPECT_EQ(model.GetLine(1).kind, "Pull-down link");
    EXPECT_EQ(model.GetLine(1).different, "Different");
    EXPECT_EQ(model.GetLine(2).record, "");
}

TEST(MergeDialogModel, OffersOnlyTheGroupsThatDiffer) {
    const CMergeSettingDataRequest request = pluLines(3, {4, 25});
    CMergeSettingDataDlgModel model(request);
    const int expected[] = {1, 0, 0, 1, 0, 0};
    for (int group = 0; group < 6; ++group) {
        EXPECT_EQ(model.IsGroupEnabled(group), expected[group]) << group;
        EXPECT_EQ(model.GetGroupCheck(group), expected[group]) << group;
    }
    model.SetGroupCheck(1, 1);
    model.SetGroupCheck(3, 0);
    EXPECT_EQ(model.GetGroupCheck(1), 0);
    EXPECT_EQ(model.GetGroupCheck(3), 0);
    EXPECT_EQ(model.IsGroupEnabled(6), 0);

    CMergeSettingDataRequest out = pluLines(3, {4, 25});
    model.SetChoice(MergeChoice::RegToVek);
    model.StoreChoices(out);
    EXPECT_EQ(out.choice, MergeChoice::RegToVek);
    EXPECT_EQ(out.IsChecked(4), 1);
    EXPECT_EQ(out.IsChecked(25), 0);
    EXPECT_EQ(out.IsChecked(99), 0);
}

TEST(MergeDialogModel, AsksBeforeEitherDirectionAndNotForNoMerge) {
    const CMergeSettingDataRequest request = pluLines(3);
    CMergeSettingDataDlgModel model(request);
    tk73test::ScriptedUserInteraction ui;
    EXPECT_EQ(model.GetChoice(), MergeChoice::NoMerge);
    EXPECT_EQ(model.ConfirmRun(), 1);
    EXPECT_TRUE(ui.calls().empty());

    ui.pressButton(Button::No);
    ui.pressButton(Button::Yes);
    model.SetChoice(MergeChoice::VekToReg);
    EXPECT_EQ(model.ConfirmRun(), 0);
    model.SetChoice(MergeChoice::RegToVek);
    EXPECT_EQ(model.ConfirmRun(), 1);
    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "Merge VEK programming data to REG data. Are you sure?");
    EXPECT_EQ(calls[1].text, "Merge REG programming data to VEK data. Are you sure?");
    for (const auto& call : calls) {
        EXPECT_EQ(call.caption, "VEK/REG data merge.");
        EXPECT_EQ(call.buttons, tk73::Buttons::YesNo);
        EXPECT_EQ(call.defaultButton, Button::No);
    }
}

}  // namespace
