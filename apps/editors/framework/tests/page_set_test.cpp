#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

#include <filesystem>

#include "apps/editors/framework/tests/page_set_fixture.h"
#include "programfiles/pgm_handle.h"

using tk73::Button;
using tk73test::InteractionKind;
using tk73test::kLimitOffset;
using tk73test::kNameOffset;
using tk73test::kStatusOffset;
using tk73test::withDepartment2;

namespace {

QLineEdit* field(tk73editor::PageItem* item) {
    return static_cast<QLineEdit*>(item->Control());
}

}  // namespace

class PageSetTest : public tk73test::PageSetFixture {};

TEST_F(PageSetTest, OpensWithTheStoredValuesAndTheDefinitionsValueList) {
    std::string file = store_.mainte(5);
    file = withDepartment2(file, kNameOffset, "Cheese      ");
    file = withDepartment2(file, kStatusOffset, "202");
    file = withDepartment2(file, kLimitOffset, "00012345");
    store_.setMainte(5, file);

    makeDepartmentSet();
    EXPECT_EQ(dialog_->Open(), 1);
    EXPECT_EQ(field(department_.code)->text(), "2");
    EXPECT_EQ(field(department_.name)->text(), "Cheese");
    EXPECT_EQ(field(department_.limit)->text(), "123.45");
    auto* status = static_cast<QComboBox*>(department_.status->Control());
    EXPECT_EQ(status->count(), 3);
    EXPECT_EQ(status->currentText(), "Preset price");
    EXPECT_FALSE(static_cast<QCheckBox*>(department_.negative->Control())->isChecked());
    EXPECT_TRUE(script_.calls().empty());
}

TEST_F(PageSetTest, RestoreDefaultsFollowedByCancelLeavesTheFilesUnchanged) {
    store_.setMainte(5, withDepartment2(store_.mainte(5), kNameOffset, "Cheese      "));
    const std::string before = store_.mainte(5);
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);

    script_.pressButton(Button::Cancel);
    dialog_->RestoreDefaults();
    EXPECT_EQ(field(department_.name)->text(), "Cheese");

    script_.pressButton(Button::Ok);
    dialog_->RestoreDefaults();
    EXPECT_EQ(field(department_.name)->text(), "Dairy");
    dialog_->reject();
    EXPECT_EQ(dialog_->result(), 0);
    EXPECT_EQ(store_.mainte(5), before);

    const auto calls = script_.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, InteractionKind::Question);
    EXPECT_EQ(calls[0].text, "Restore defaults?");
    EXPECT_EQ(calls[0].caption, "Department");
    EXPECT_EQ(calls[0].buttons, tk73::Buttons::OkCancel);
    // The defaults replace what was typed on the page: Enter alone must not do that.
    EXPECT_EQ(calls[0].defaultButton, Button::Cancel);
    EXPECT_EQ(calls[0].icon, tk73::MessageIcon::Exclamation);
}

TEST_F(PageSetTest, RestoreDefaultsThenOkWritesTheDefaults) {
    std::string file = withDepartment2(store_.mainte(5), kNameOffset, "Cheese      ");
    store_.setMainte(5, withDepartment2(file, kLimitOffset, "00000500"));
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    script_.pressButton(Button::Ok);
    dialog_->RestoreDefaults();
    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_EQ(dialog_->result(), 1);
    EXPECT_EQ(store_.mainte(5), tk73test::TempEnvironment::readFile(store_.defaultFile(5)));
    EXPECT_EQ(script_.textsOf(InteractionKind::Question),
              (std::vector<std::string>{"Restore defaults?", "Do you want to save the changes?"}));
}

TEST_F(PageSetTest, OkWritesOnlyTheItemsTheUserChanged) {
    // A status code that the drop-down has no entry for stays as it is.
    store_.setMainte(5, withDepartment2(store_.mainte(5), kStatusOffset, "209"));
    const std::string before = store_.mainte(5);
    const std::string print = store_.mainte(10);
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    EXPECT_EQ(static_cast<QComboBox*>(department_.status->Control())->currentIndex(), -1);

    field(department_.name)->selectAll();
    QTest::keyClicks(field(department_.name), "Milk");
    field(department_.limit)->selectAll();
    QTest::keyClicks(field(department_.limit), "4.3");
    EXPECT_TRUE(department_.name->IsChanged());
    EXPECT_FALSE(department_.code->IsChanged());
    EXPECT_FALSE(department_.status->IsChanged());
    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_EQ(dialog_->result(), 1);

    std::string expected = withDepartment2(before, kNameOffset, "Milk        ");
    expected = withDepartment2(expected, kLimitOffset, "00000430");
    EXPECT_EQ(store_.mainte(5), expected);
    EXPECT_EQ(store_.mainte(10), print);
}

TEST_F(PageSetTest, CancelOfTheSaveQuestionKeepsThePageOpenAndWritesNothing) {
    const std::string before = store_.mainte(5);
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    QTest::keyClicks(field(department_.name), "X");
    script_.pressButton(Button::Cancel);
    dialog_->accept();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(store_.mainte(5), before);

    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_NE(store_.mainte(5), before);
}

TEST_F(PageSetTest, AnInvalidEntryIsRefusedBeforeTheQuestionNamingTheItem) {
    const std::string before = store_.mainte(5);
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    // A point alone is all the field takes that is still no number.
    QLineEdit* limit = field(department_.limit);
    limit->selectAll();
    QTest::keyClicks(limit, ".");
    dialog_->accept();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(store_.mainte(5), before);
    const auto calls = script_.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, InteractionKind::Message);
    // The item's title from the definition, and its record: the page shows one of many.
    EXPECT_EQ(calls[0].text,
              "Invalid values.\nPlease set the correct value.\n\nPreset price, "
              "record 2");
    EXPECT_EQ(calls[0].caption, "Department");
    // The bad value is selected, ready to be typed over.
    EXPECT_EQ(limit->selectedText(), ".");
}

TEST_F(PageSetTest, NumbersFitTheItemsWidthAndPlaces) {
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    const tk73editor::NumberItem& limit = *department_.limit;  // 8 digits, 2 places
    EXPECT_EQ(limit.Parse("4.3"), 430u);
    EXPECT_EQ(limit.Parse(" 12 "), 1200u);
    EXPECT_EQ(limit.Parse(".5"), 50u);
    EXPECT_EQ(limit.Parse("999999.99"), 99999999u);
    EXPECT_EQ(limit.Parse("0001.00"), 100u);
    for (const char* refused : {"", ".", "1.234", "1000000.00", "-1", "1,5", "1e3", "0x10"}) {
        EXPECT_FALSE(limit.Parse(refused).has_value()) << refused;
    }
    tk73editor::NumberItem& code = *department_.code;  // 4 digits, no places
    EXPECT_EQ(code.Parse("9999"), 9999u);
    EXPECT_FALSE(code.Parse("10000").has_value());
    EXPECT_FALSE(code.Parse("1.5").has_value());
    code.SetRange(1, 20);
    EXPECT_FALSE(code.Parse("0").has_value());
    EXPECT_EQ(code.Parse("20"), 20u);
    EXPECT_FALSE(code.Parse("21").has_value());

    tk73editor::SettingPage& page = dialog_->AddPage("Status");
    auto& digit = page.Add<tk73editor::NumberItem>("Kind", 1, 3, 2);  // one hexadecimal digit
    ASSERT_EQ(digit.Load(context_, PGM_ACCESS_READ), 1);
    EXPECT_EQ(field(&digit)->text(), "2");
    EXPECT_EQ(digit.Parse("f"), 15u);
    EXPECT_FALSE(digit.Parse("10").has_value());
    EXPECT_FALSE(digit.Parse("G").has_value());
}

TEST_F(PageSetTest, ATypedDoubleQuoteBecomesABlankAndTextsKeepToTheWidth) {
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    QLineEdit* name = field(department_.name);
    name->selectAll();
    // The quote becomes a blank, as the note says, and no message box takes the keys typed after
    // it.
    QTest::keyClicks(name, "Mi\"lk");
    EXPECT_EQ(name->text(), "Mi lk");
    EXPECT_EQ(QToolTip::text(), "Can not enter [\"], translate to white space.");
    // A pasted text keeps its place too, cursor and all.
    name->setCursorPosition(2);
    name->insert("\"x\"");
    EXPECT_EQ(name->text(), "Mi x  lk");
    QTest::keyClicks(name, "y");
    EXPECT_EQ(name->text(), "Mi x y lk");
    EXPECT_TRUE(script_.calls().empty());

    name->selectAll();
    QTest::keyClicks(name, "Fresh dairy products");
    EXPECT_EQ(name->text(), "Fresh dairy ");
    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_NE(tk73test::recordLine(store_.mainte(5), "00002,").find("\"Fresh dairy \""),
              std::string::npos);
}

TEST_F(PageSetTest, AFailedWriteKeepsThePageOpenAndTheCurrentWindowSet) {
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    EXPECT_EQ(windowValue("CURRENTHWND"), tk73::ownWindowHandle());
    QTest::keyClicks(field(department_.name), "X");

    // The file was read when the page opened; now nothing can be written in its place.
    const std::string kept = store_.mainte(5);
    std::filesystem::remove(store_.mainteFile(5));
    std::filesystem::create_directory(store_.mainteFile(5));
    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(windowValue("CURRENTHWND"), tk73::ownWindowHandle());
    const auto calls = script_.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].text, "Failed to write setting file.");
    EXPECT_EQ(calls[1].icon, tk73::MessageIcon::Error);

    std::filesystem::remove(store_.mainteFile(5));
    store_.setMainte(5, kept);
    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(windowValue("CURRENTHWND"), 0u);
}

TEST_F(PageSetTest, ItemsWhoseFileCannotBeReadAreDisabledAndNeverWritten) {
    std::filesystem::remove(store_.mainteFile(5));
    const std::string print = store_.mainte(10);
    // Set "E" is a set of pages.
    dialog_.reset(static_cast<tk73editor::PageSetDialog*>(
        tk73editordemo::demoEditor().pageSets[1].create(context_).release()));
    EXPECT_EQ(dialog_->Open(), 0);
    const auto calls = script_.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "Failed to read setting file.");
    EXPECT_EQ(calls[0].icon, tk73::MessageIcon::Error);
    EXPECT_EQ(calls[0].caption, "Department and print");

    const auto& department = dialog_->Pages()[0]->Items();
    const auto& printItems = dialog_->Pages()[1]->Items();
    for (const auto& item : department) {
        EXPECT_FALSE(item->Usable());
        EXPECT_FALSE(item->Control()->isEnabled());
    }
    for (const auto& item : printItems) {
        EXPECT_TRUE(item->Control()->isEnabled());
    }
    // The options stand for 1 (print) and 0 (no print); the stored bit is 1.
    auto options = printItems[0]->Control()->findChildren<QRadioButton*>();
    ASSERT_EQ(options.size(), 2);
    EXPECT_TRUE(options[0]->isChecked());
    EXPECT_FALSE(options[1]->isChecked());
    options[1]->click();

    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_EQ(dialog_->result(), 1);
    EXPECT_FALSE(std::filesystem::exists(store_.mainteFile(5)));
    EXPECT_NE(store_.mainte(10), print);
    tagPGMITEMDEF receipt;
    ASSERT_EQ(context_.Handle().GetItemDef(&receipt, 5, 1, 0), 1);
    uint64_t value = 0;
    ASSERT_EQ(context_.Handle().ReadItem(&receipt, 1, &value, sizeof(value)), 1);
    EXPECT_EQ(value, 0u);
}
