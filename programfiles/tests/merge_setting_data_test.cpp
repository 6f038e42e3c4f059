// The merge of a register's and its controller's shared data, on stores made from the shipped
// installation, whose controller defaults differ from the registers' on purpose.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "platform/ini_profile.h"
#include "programfiles/merge_dialog_model.h"
#include "programfiles/merge_setting_data_type1.h"
#include "programfiles/tests/shipped_store.h"

namespace {

using namespace mergetest;
using tk73::Button;
using tk73test::InteractionKind;

// One line of the mismatch list: group key, record, flag.
using Line = std::tuple<int, int, int>;

std::vector<Line> linesOf(const CMergeSettingData& merge) {
    std::vector<Line> lines;
    for (int i = 0; i < merge.GetMismatchInfoCount(); ++i) {
        const tagMISMATCHINFO* info = merge.GetMismatchInfo(i);
        lines.emplace_back(info->nFileNo, info->nRecordNo, info->nDiffer);
    }
    return lines;
}

std::vector<Line> currentLines(int store) {
    CMergeSettingDataType1 merge(store);
    merge.CreateMismatchInfoArray(-1);
    return linesOf(merge);
}

// The differences the shipped controller defaults hold against the registers' defaults for a
// controller. PLU 10 differs in letter case only and PLU 31 in a status digit that only the
// controller has: neither is a difference.
const std::vector<Line> kSeeded301 = {
    {4, 11, 0}, {4, 30, 1}, {4, 40, 1}, {4, 41, 1}, {5, 3, 1},
    {5, 7, 1},  {7, 4, 0},  {25, 2, 1}, {28, 3, 1}, {26, 2, 1},
};

// The dialog, answered as a user would: the choice, the unchecked groups (by position), and the
// answer to the run button's question.
void answerDialog(tk73test::ScriptedUserInteraction& ui, MergeChoice choice,
                  std::vector<int> unchecked, Button answer) {
    ui.handleDialog(kMergeDialogName, [=](tk73::DialogRequest& request) {
        auto& merge = dynamic_cast<CMergeSettingDataRequest&>(request);
        CMergeSettingDataDlgModel model(merge);
        for (const int group : unchecked) {
            model.SetGroupCheck(group, 0);
        }
        model.SetChoice(choice);
        if (!model.ConfirmRun()) {
            return Button::Cancel;
        }
        model.StoreChoices(merge);
        return Button::Ok;
    });
    ui.pressButton(answer);
}

// The group positions in the dialog.
constexpr int kPluGroup = 0;
constexpr int kDeptGroup = 1;
constexpr int kClerkGroup = 2;
constexpr int kTaxGroup = 3;
constexpr int kSetMenuGroup = 4;
constexpr int kPullDownGroup = 5;

class Merge301 : public ::testing::Test {
  protected:
    std::string reg(int file) const {
        return ShippedInstallation::read(install.regFile(store, file));
    }
    std::string vek(int file) const {
        return ShippedInstallation::read(install.vekFile(store, file));
    }

    ShippedInstallation install;
    int store = install.createStore(kKR301, kVK500);
};

TEST_F(Merge301, ListsExactlyTheSeededDifferencesWithTheirNames) {
    CMergeSettingDataType1 merge(store);
    EXPECT_EQ(merge.IsRegModel301(), 1);
    EXPECT_EQ(merge.GetMismatchInfoCount(), 0);
    merge.CreateMismatchInfoArray(-1);
    EXPECT_EQ(linesOf(merge), kSeeded301);

    // A name that differs is a line without "Different"; the clerk's name differs in a byte
    // above 0x7F, which letter case does not cover.
    const tagMISMATCHINFO* brioche = merge.GetMismatchInfo(0);
    EXPECT_EQ(brioche->vekName, "Brioche roll");
    EXPECT_EQ(brioche->regName, "Brioche");
    const tagMISMATCHINFO* clerk = merge.GetMismatchInfo(6);
    EXPECT_EQ(clerk->vekName, "Chloe");
    EXPECT_EQ(clerk->regName, "Chlo\xE9");
    // Tax tables have no names of their own.
    const tagMISMATCHINFO* tax = merge.GetMismatchInfo(7);
    EXPECT_EQ(tax->vekName, "Tax table 2");
    EXPECT_EQ(tax->regName, "Tax table 2");
    EXPECT_EQ(merge.GetMismatchInfo(10), nullptr);
}

TEST_F(Merge301, ListsOneGroupAloneAndKeepsTheOtherGroupsLines) {
    CMergeSettingDataType1 merge(store);
    merge.CreateMismatchInfoArray(5);
    EXPECT_EQ(linesOf(merge), (std::vector<Line>{{5, 3, 1}, {5, 7, 1}}));
    merge.CreateMismatchInfoArray(-1);
    merge.CreateMismatchInfoArray(25);
    EXPECT_EQ(merge.GetMismatchInfoCount(), static_cast<int>(kSeeded301.size()));
}

TEST(MergeOtherModels, ComparesItems3And8OnlyForModel301) {
    ShippedInstallation install;
    const int store = install.createStore(kKR420, kVK500);
    CMergeSettingDataType1 merge(store);
    EXPECT_EQ(merge.IsRegModel301(), 0);
    merge.CreateMismatchInfoArray(-1);
    // PLU 30 and department 7 differ only in the status characters of items 3 and 8.
    EXPECT_EQ(linesOf(merge), (std::vector<Line>{{4, 11, 0},
                                                 {4, 40, 1},
                                                 {4, 41, 1},
                                                 {5, 3, 1},
                                                 {7, 4, 0},
                                                 {25, 2, 1},
                                                 {28, 3, 1},
                                                 {26, 2, 1}}));
}

TEST_F(Merge301, CopiesTheCheckedGroupsFromTheControllerAndStampsBothMachines) {
    const std::string regDept = reg(5);
    const std::string vekBefore = vek(4) + vek(5) + vek(7) + vek(25) + vek(26) + vek(28);
    const std::string regStamp = reg(998);
    const std::string vekStamp = vek(998);
    {
        tk73test::ScriptedUserInteraction ui;
        answerDialog(ui, MergeChoice::VekToReg, {kDeptGroup}, Button::Yes);
        CMergeSettingDataType1 merge(store);
        EXPECT_EQ(merge.ExecuteWithDialog(), 1);
        const auto calls = ui.calls();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].text, "Merge VEK programming data to REG data. Are you sure?");
        EXPECT_EQ(calls[0].caption, "VEK/REG data merge.");
        EXPECT_EQ(calls[0].buttons, tk73::Buttons::YesNo);
        EXPECT_EQ(calls[0].defaultButton, Button::No);
        EXPECT_EQ(calls[1].kind, InteractionKind::Dialog);
    }
    // Only the unchecked departments still differ, and neither side of them changed.
    EXPECT_EQ(currentLines(store), (std::vector<Line>{{5, 3, 1}, {5, 7, 1}}));
    EXPECT_EQ(reg(5), regDept);
    EXPECT_EQ(vek(4) + vek(5) + vek(7) + vek(25) + vek(26) + vek(28), vekBefore);
    // The register took the controller's first status character of PLU 30 and kept the
    // characters that only it has.
    EXPECT_NE(
        ShippedInstallation::recordLine(install.regFile(store, 4), 30).find("\"102100040000\""),
        std::string::npos);
    // PLU data changed, so both machines learn of it.
    EXPECT_NE(reg(998), regStamp);
    EXPECT_NE(vek(998), vekStamp);
}

TEST_F(Merge301, CopiesToTheControllerOnlyWhatIsChecked) {
    const std::string regBefore = reg(4) + reg(5) + reg(7) + reg(25) + reg(26) + reg(28);
    const std::string vekPluAndDept = vek(4) + vek(5);
    const std::string vekStamp = vek(998);
    {
        tk73test::ScriptedUserInteraction ui;
        answerDialog(ui, MergeChoice::RegToVek,
                     {kPluGroup, kDeptGroup, kTaxGroup, kSetMenuGroup, kPullDownGroup},
                     Button::Yes);
        CMergeSettingDataType1 merge(store);
        merge.ExecuteWithDialog();
        EXPECT_EQ(
            ui.textsOf(InteractionKind::Question),
            std::vector<std::string>{"Merge REG programming data to VEK data. Are you sure?"});
    }
    std::vector<Line> expected = kSeeded301;
    std::erase(expected, Line{7, 4, 0});
    EXPECT_EQ(currentLines(store), expected);
    EXPECT_NE(ShippedInstallation::recordLine(install.vekFile(store, 7), 4).find("Chlo\xE9"),
              std::string::npos);
    EXPECT_EQ(reg(4) + reg(5) + reg(7) + reg(25) + reg(26) + reg(28), regBefore);
    EXPECT_EQ(vek(4) + vek(5), vekPluAndDept);
    // No PLU data moved: no stamp.
    EXPECT_EQ(vek(998), vekStamp);
}

TEST_F(Merge301, CopiesModel301StatusCharactersToTheControllerByPosition) {
    CMergeSettingDataType1 merge(store);
    merge.CreateMismatchInfoArray(4);
    EXPECT_EQ(merge.MergeFromRegToVek(), 1);
    EXPECT_EQ(merge.GetMismatchInfoCount(), 0);
    const std::string file = install.vekFile(store, 4);
    // PLU 30 takes the register's first status character; PLU 31 keeps the character in its
    // second place, which the register has no counterpart for.
    EXPECT_NE(ShippedInstallation::recordLine(file, 30).find("\"01040001\""), std::string::npos);
    EXPECT_NE(ShippedInstallation::recordLine(file, 31).find("\"07041001\""), std::string::npos);
    // PLU 10's name keeps the controller's letter case no more.
    EXPECT_NE(ShippedInstallation::recordLine(file, 10).find("\"Scone           \""),
              std::string::npos);
}

TEST_F(Merge301, LeavesEverythingAsItWasWhenTheUserStaysOutOfTheMerge) {
    const std::string before = reg(4) + vek(4) + reg(998) + vek(998);
    tk73test::ScriptedUserInteraction ui;
    // "No" to the question keeps the dialog open; the user then closes it with "No merge".
    ui.handleDialog(kMergeDialogName, [](tk73::DialogRequest& request) {
        auto& merge = dynamic_cast<CMergeSettingDataRequest&>(request);
        CMergeSettingDataDlgModel model(merge);
        model.SetChoice(MergeChoice::VekToReg);
        EXPECT_EQ(model.ConfirmRun(), 0);
        model.SetChoice(MergeChoice::NoMerge);
        EXPECT_EQ(model.ConfirmRun(), 1);
        model.StoreChoices(merge);
        return Button::Ok;
    });
    ui.pressButton(Button::No);
    // Cancelling the dialog does nothing either.
    ui.handleDialog(kMergeDialogName, [](tk73::DialogRequest&) { return Button::Cancel; });
    CMergeSettingDataType1 merge(store);
    merge.ExecuteWithDialog();
    merge.ExecuteWithDialog();
    EXPECT_EQ(reg(4) + vek(4) + reg(998) + vek(998), before);
    EXPECT_EQ(currentLines(store), kSeeded301);
}

TEST_F(Merge301, ReportsMatchingDataOnlyWhenAsked) {
    CMergeSettingDataType1 merge(store);
    merge.CreateMismatchInfoArray(-1);
    ASSERT_EQ(merge.MergeFromVekToReg(), 1);
    tk73test::ScriptedUserInteraction ui;
    CMergeSettingDataType1 matched(store);
    EXPECT_EQ(matched.ExecuteWithDialog(), 1);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(matched.ExecuteWithDialog(1), 1);
    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, InteractionKind::Message);
    EXPECT_EQ(calls[0].text, "VEK and REG data is matched.");
    EXPECT_EQ(calls[0].caption, "VEK/REG data merge.");
    EXPECT_EQ(calls[0].icon, tk73::MessageIcon::Information);
}

TEST_F(Merge301, CopiesSingleRecordsInEitherDirection) {
    CMergeSettingDataType1 merge(store);
    EXPECT_EQ(merge.ExecuteOneRecordFromRegToVek(5, 3), 1);
    EXPECT_EQ(merge.ExecuteOneRecordFromVekToReg(25, 2), 1);
    EXPECT_EQ(merge.ExecuteOneRecordFromRegToVek(99, 1), 1);
    std::vector<Line> expected = kSeeded301;
    std::erase(expected, Line{5, 3, 1});
    std::erase(expected, Line{25, 2, 1});
    EXPECT_EQ(currentLines(store), expected);
}

TEST_F(Merge301, TakesOnlyTheControllersMenuSettingsOfARecord) {
    CMergeSettingDataType1 merge(store);
    // PLU 40 differs in its price, which the controller's menu pages do not set.
    EXPECT_EQ(merge.ExecuteVekMenuRecordFromVekToReg(4, 40), 1);
    EXPECT_EQ(currentLines(store), kSeeded301);
    // A set menu's entries move, its name stays the register's.
    const std::string regName = ShippedInstallation::recordLine(install.regFile(store, 28), 3);
    ShippedInstallation::replaceInRecord(install.vekFile(store, 28), 3, "Coffee+cake",
                                         "Tea+cake   ");
    EXPECT_EQ(merge.ExecuteVekMenuRecordFromVekToReg(28, 3), 1);
    CMergeSettingDataType1 after(store);
    after.CreateMismatchInfoArray(28);
    ASSERT_EQ(after.GetMismatchInfoCount(), 1);
    EXPECT_EQ(after.GetMismatchInfo(0)->nDiffer, 0);
    EXPECT_EQ(after.GetMismatchInfo(0)->regName, "Coffee+cake");
}

TEST_F(Merge301, PassesOverAFileThatCannotBeReadAndComparesTheRest) {
    const std::string file = install.vekFile(store, 4);
    const std::string text = ShippedInstallation::read(file);
    ShippedInstallation::write(file, text.substr(0, text.size() / 2));
    std::vector<Line> expected = kSeeded301;
    std::erase_if(expected, [](const Line& line) { return std::get<0>(line) == 4; });
    EXPECT_EQ(currentLines(store), expected);
}

TEST_F(Merge301, PassesOverItemsThatOneSideDoesNotDefine) {
    // The controller's definition copy loses the PLU price.
    const std::string definition = install.storeFolder(store) + "/O001/VK500.INI";
    ASSERT_TRUE(tk73_WritePrivateProfileStringA("PGM_MENU_028", "ITEM_004_FILE", nullptr,
                                                definition.c_str()));
    CMergeSettingDataType1 merge(store);
    EXPECT_EQ(merge.HasVekItem(4), 0);
    merge.CreateMismatchInfoArray(4);
    EXPECT_EQ(merge.HasVekItem(4), 0);
    EXPECT_EQ(merge.HasRegItem(4), 1);
    EXPECT_EQ(merge.HasVekItem(53), 1);
    EXPECT_EQ(merge.HasVekItem(56), 0);
    // PLU 40 differs only in that price.
    EXPECT_EQ(linesOf(merge), (std::vector<Line>{{4, 11, 0}, {4, 30, 1}, {4, 41, 1}}));
    const std::string regPrice = ShippedInstallation::recordLine(install.regFile(store, 4), 40);
    EXPECT_EQ(merge.MergeFromVekToReg(), 1);
    EXPECT_EQ(ShippedInstallation::recordLine(install.regFile(store, 4), 40), regPrice);
}

TEST_F(Merge301, StartsAfreshForAnotherStore) {
    const int other = install.createStore(kKR420, kVK500);
    CMergeSettingDataType1 merge(store);
    merge.CreateMismatchInfoArray(-1);
    EXPECT_EQ(merge.Initialize(other), 1);
    EXPECT_EQ(merge.IsRegModel301(), 0);
    EXPECT_EQ(merge.GetMismatchInfoCount(), 0);
    EXPECT_EQ(merge.HasRegItem(1), 0);
    merge.CreateMismatchInfoArray(-1);
    EXPECT_EQ(linesOf(merge), currentLines(other));
}

TEST(MergeOtherModels, AValueTooWideForTheTargetKeepsOnlyItsOwnRecord) {
    ShippedInstallation install;
    const int store = install.createStore(kKR420, kVK500);
    CMergeSettingDataType1 merge(store);
    // The register's set menu entries hold six digits, the controller's four.
    CPgmHandle& reg = merge.GetRegPgmHandle();
    tagPGMITEMDEF entry;
    ASSERT_EQ(reg.GetItemDef(&entry, 28, 15, 1), 1);
    const uint64_t wide = 123456;
    const uint64_t narrow = 4321;
    ASSERT_EQ(reg.WriteItem(&entry, 5, &wide, 8), 1);
    ASSERT_EQ(reg.WriteItem(&entry, 9, &narrow, 8), 1);
    merge.CreateMismatchInfoArray(28);
    EXPECT_EQ(merge.MergeFromRegToVek(), 0);
    // The list stays for another try.
    EXPECT_GT(merge.GetMismatchInfoCount(), 0);
    CMergeSettingDataType1 after(store);
    after.CreateMismatchInfoArray(28);
    EXPECT_EQ(linesOf(after), (std::vector<Line>{{28, 5, 1}}));
}

TEST(MergeOtherModels, DoesNothingForAStoreWithoutAController) {
    ShippedInstallation install;
    const int store = install.createStore(kKR150, 0);
    const std::string before = ShippedInstallation::read(install.regFile(store, 4));
    // No dialog and no message may come.
    tk73test::ScriptedUserInteraction ui;
    CMergeSettingDataType1 merge(store);
    EXPECT_EQ(merge.HasRegister(), 1);
    EXPECT_EQ(merge.HasVek(), 0);
    EXPECT_EQ(merge.ExecuteWithDialog(1), 1);
    EXPECT_EQ(merge.CreateMismatchInfoArray(-1), 1);
    EXPECT_EQ(merge.MergeFromVekToReg(), 1);
    EXPECT_EQ(merge.ExecuteOneRecordFromVekToReg(4, 1), 1);
    EXPECT_EQ(merge.ExecuteVekMenuRecordFromVekToReg(4, 1), 1);
    EXPECT_EQ(merge.GetMismatchInfoCount(), 0);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(ShippedInstallation::read(install.regFile(store, 4)), before);
}

TEST_F(Merge301, PagesTwoHundredAndFiftyDifferencesAsThreePages) {
    // Raise the controller's price of 240 more PLU records.
    {
        CMergeSettingDataType1 merge(store);
        CPgmHandle& vek = merge.GetVekPgmHandle();
        tagPGMITEMDEF price;
        ASSERT_EQ(vek.GetItemDef(&price, 28, 4, 1), 1);
        PGMITEMDATAARRAY values;
        ASSERT_EQ(vek.ReadItems(&price, 1, 60, 240, &values, 0), 1);
        for (tagPGMITEMDATA& value : values) {
            value.value += 1;
        }
        ASSERT_EQ(vek.WriteItems(&price, 1, 60, 240, &values, 0), 1);
    }
    tk73test::ScriptedUserInteraction ui;
    ui.handleDialog(kMergeDialogName, [](tk73::DialogRequest& request) {
        CMergeSettingDataDlgModel model(dynamic_cast<CMergeSettingDataRequest&>(request));
        EXPECT_EQ(model.GetLineCount(), 250);
        EXPECT_EQ(model.GetPageCount(), 3);
        model.SetPage(3);
        EXPECT_EQ(model.GetRangeText(), "Total 250, now 201 - 250 display");
        // PLU lines come first in record order (11, 30, 40, 41, then 60 on), the other kinds
        // after them.
        EXPECT_EQ(model.GetLine(model.GetFirstLine() - 1).record, "256");
        EXPECT_EQ(model.GetLine(model.GetLastLine() - 1).kind, "Pull-down link");
        return Button::Cancel;
    });
    CMergeSettingDataType1(store).ExecuteWithDialog();
}

}  // namespace
