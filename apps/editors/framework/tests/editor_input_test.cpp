// What the framework's fields take as they are typed, how undo walks the changes back, and how
// a value that must differ from record to record is checked before the save.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "apps/editors/framework/tests/page_set_fixture.h"
#include "platform/ini_profile.h"
#include "programfiles/pgm_handle.h"

using tk73::Button;
using tk73test::InteractionKind;
using tk73test::withDepartment2;

// Offset of the group link in a department record line, after the status and the limit.
constexpr size_t kGroupOffset = 49;

namespace {

QLineEdit* field(tk73editor::PageItem* item) {
    return static_cast<QLineEdit*>(item->Control());
}

// Types into the field from an empty text.
void retype(QLineEdit* line, const char* text) {
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
}

}  // namespace

class EditorInputTest : public tk73test::PageSetFixture {
  protected:
    void SetUp() override {
        ASSERT_EQ(opened_, 1);
        makeDepartmentSet();
    }
};

TEST_F(EditorInputTest, FieldsTakeOnlyWhatTheItemCanHoldAsItIsTyped) {
    tk73editor::SettingPage& page = dialog_->AddPage("More");
    auto& kind = page.Add<tk73editor::NumberItem>("Kind", 1, 3, 2);  // one hexadecimal digit
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();

    QLineEdit* code = field(department_.code);  // four digits, no places
    retype(code, "1a2.3-45");
    EXPECT_EQ(code->text(), "1234");
    QLineEdit* limit = field(department_.limit);  // eight digits, two of them places
    retype(limit, "12x3.4.56");
    EXPECT_EQ(limit->text(), "123.45");
    retype(limit, "12345678");
    EXPECT_EQ(limit->text(), "123456");
    QLineEdit* hex = field(&kind);
    retype(hex, "gF");
    EXPECT_EQ(hex->text(), "F");

    // Nothing reached the files and nothing was said.
    EXPECT_TRUE(script_.calls().empty());
}

TEST_F(EditorInputTest, TheDefinitionsRangeIsShownBesideTheFieldAndHeldToOnSave) {
    // Menu 1 item 7, the department's group link: the definition allows groups 0 to 10.
    auto& group = dialog_->AddPage("Links").Add<tk73editor::NumberItem>("Group", 1, 7, 2);
    const std::string before = store_.mainte(5);
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    auto* note = static_cast<QLabel*>(group.Beside());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), "0 to 10");
    EXPECT_FALSE(note->isHidden());
    // An item without a range shows none.
    EXPECT_TRUE(department_.code->Beside()->isHidden());

    retype(field(&group), "11");
    dialog_->accept();
    EXPECT_EQ(store_.mainte(5), before);
    ASSERT_EQ(script_.calls().size(), 1u);
    EXPECT_EQ(script_.calls()[0].text,
              "Invalid values.\nPlease set the correct value.\n\nGroup link, record 2");
    EXPECT_EQ(dialog_->Pages()[1]->isVisible(), true);

    retype(field(&group), "10");
    script_.pressButton(Button::Ok);
    dialog_->accept();
    EXPECT_EQ(store_.mainte(5), withDepartment2(before, kGroupOffset, "0010"));
}

TEST_F(EditorInputTest, ACharacterTheCodePageCannotHoldIsRefusedWithANoteNamingIt) {
    const std::string before = store_.mainte(5);
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    QLineEdit* name = field(department_.name);
    retype(name, "");
    // "Łódź" typed (or pasted) at once: only "ó" and "d" are characters of Windows-1252.
    name->insert(
        QString::fromUtf8("\xC5\x81\xC3\xB3"
                          "d\xC5\xBA"));
    EXPECT_EQ(name->text(), QString::fromUtf8("\xC3\xB3"
                                              "d"));
    EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8("[\xC5\x81\xC5\xBA]")))
        << QToolTip::text().toStdString();
    EXPECT_TRUE(script_.calls().empty());
    EXPECT_EQ(store_.mainte(5), before);

    script_.pressButton(Button::Ok);
    dialog_->accept();
    // Saved as the code page's bytes, never as "?".
    EXPECT_EQ(store_.mainte(5), withDepartment2(before, tk73test::kNameOffset,
                                                std::string("\xF3") + "d" + std::string(10, ' ')));
}

TEST_F(EditorInputTest, UndoAndRedoWalkTheChangesItemByItem) {
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    QLineEdit* name = field(department_.name);
    auto* negative = static_cast<QCheckBox*>(department_.negative->Control());
    const QString dairy = name->text();
    const bool wasNegative = negative->isChecked();

    retype(name, "Cheese");
    negative->click();
    QTest::keyClicks(field(department_.code), "7");
    EXPECT_EQ(field(department_.code)->text(), "27");

    // Ctrl+Z in an edit field walks the page's changes, not only the field's own.
    QTest::keyClick(field(department_.code), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field(department_.code)->text(), "2");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(negative->isChecked(), wasNegative);
    QTest::keyClick(negative, Qt::Key_Z, Qt::ControlModifier);
    // One step for all the keystrokes in the name.
    EXPECT_EQ(name->text(), dairy);
    EXPECT_FALSE(dialog_->Undo());

    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "Cheese");
    EXPECT_TRUE(dialog_->Redo());
    EXPECT_EQ(negative->isChecked(), !wasNegative);
    // A new change drops what was undone after it.
    EXPECT_TRUE(dialog_->Undo());
    retype(field(department_.limit), "1.00");
    EXPECT_FALSE(dialog_->Redo());
    EXPECT_EQ(field(department_.code)->text(), "2");

    // What is saved is what the page shows after the walk.
    const std::string before = store_.mainte(5);
    script_.pressButton(Button::Ok);
    dialog_->accept();
    std::string expected = withDepartment2(before, tk73test::kNameOffset, "Cheese      ");
    expected = withDepartment2(expected, tk73test::kLimitOffset, "00000100");
    EXPECT_EQ(store_.mainte(5), expected);
}
