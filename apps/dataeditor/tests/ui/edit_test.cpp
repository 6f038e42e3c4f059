// The data editor driven as a user drives it, offscreen, on the PLU file of a staged store of
// the register model KR301: typing into every kind of field, pasting a field over a range of
// records and a whole record, searching, the entry dialog, and saving. After a save the file
// must hold exactly the bytes of the original with the edited values in their places.

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <filesystem>
#include <string>

#include "apps/dataeditor/dataeditor_texts.h"
#include "apps/dataeditor/tests/ui/editor_fixture.h"
#include "apps/dataeditor/ui/data_grid_view.h"
#include "apps/dataeditor/ui/entry_dialog.h"
#include "apps/dataeditor/ui/overtype_edit.h"
#include "apps/dataeditor/ui/range_dialog.h"
#include "apps/dataeditor/ui/search_dialog.h"
#include "apps/editors/testing/script_failures.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "base/ui/ui_text.h"
#include "platform/ini_profile.h"
#include "platform/registry_hive.h"
#include "programfiles/pgm_import_range.h"
#include "spreadsheet/sheet_readers.h"
#include "spreadsheet/ui/sheet_preview_dialog.h"
#include "tests/support/temp_environment.h"

using tk73edit::DataEditorWindow;
using tk73edit::DataGridView;
using tk73edittest::EditorFixture;
using tk73test::TempEnvironment;

namespace {

constexpr int kPlu = 4;
constexpr int kRecordDigits = 6;
// The PLU file's fields in the program view of KR301.
constexpr int kCode = 0;       // item code, 14 digits, a bar-code field
constexpr int kName = 1;       // characters, 16
constexpr int kPrice = 3;      // price, 8 digits
constexpr int kDeptLink = 5;   // plain, 4 digits ("F06" of "FILE0004")
constexpr int kQuantity = 11;  // quantity, 8 digits

// "表示" in Shift JIS and as Qt's text.
const std::string kHyoJi = "\x95\x5C\x8E\xA6";
const QString kHyoJiText = QString::fromUtf8("\xE8\xA1\xA8\xE7\xA4\xBA");

// The bytes of the file with the value of one field of one record replaced.
class ExpectedBytes {
  public:
    ExpectedBytes(std::string bytes, const tk73edit::ProgramDocument& document)
        : bytes_(std::move(bytes)), document_(document) {}

    void Set(int row, int field, const std::string& value) {
        bytes_.replace(LineStart(row) + tk73edittest::valueOffset(document_, kRecordDigits, field),
                       value.size(), value);
    }
    std::string Get(int row, int field) const {
        return bytes_.substr(
            LineStart(row) + tk73edittest::valueOffset(document_, kRecordDigits, field),
            static_cast<size_t>(document_.Field(field).width));
    }
    const std::string& Bytes() const { return bytes_; }

  private:
    size_t LineStart(int row) const {
        char number[16];
        std::snprintf(number, sizeof(number), "%06d,", row + 1);
        return bytes_.find(std::string("\n") + number) + 1;
    }

    std::string bytes_;
    const tk73edit::ProgramDocument& document_;
};

// Types the text into the current field of the grid as keys (the first starts the edit) and
// ends the edit with Enter.
void typeIntoField(DataGridView* grid, const QString& text) {
    tk73edittest::typeText(grid, text.left(1));
    QVERIFY(grid->OpenEdit() != nullptr);
    tk73edittest::typeText(grid->OpenEdit(), text.mid(1));
    tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Return);
    // The edit commits and closes from the event loop.
    QCoreApplication::processEvents();
    QVERIFY(grid->OpenEdit() == nullptr);
}

// Replaces what a number box holds by typing, as a user does.
void retype(QSpinBox* box, const QString& text) {
    auto* field = box->findChild<QLineEdit*>();
    field->selectAll();
    QTest::keyClicks(field, text);
}

struct EntryStep {
    const char* button;
    QString value;
    bool typed = false;  // typed key by key over the value, rather than set
};

// Runs the entry walk of the current record, answering each dialog with a step: the title and
// the value each dialog showed.
std::vector<QStringList> runEntryWalk(DataEditorWindow& window,
                                      const std::vector<EntryStep>& steps) {
    std::vector<QStringList> seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<tk73edit::EntryDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || seen.size() >= steps.size()) {
            return;
        }
        seen.push_back({dialog->windowTitle(), dialog->ValueBox()->text()});
        const EntryStep& step = steps[seen.size() - 1];
        if (step.typed) {
            dialog->ValueBox()->selectAll();
            tk73edittest::typeText(dialog->ValueBox(), step.value);
        } else if (!step.value.isEmpty()) {
            dialog->ValueBox()->setText(step.value);
        }
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String(step.button)) {
                button->click();
                break;
            }
        }
    });
    poll.start();
    window.EnterRecord();
    return seen;
}

}  // namespace

class DataEditorEditTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        const QStringList failures = tk73editortest::takeScriptFailures();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void typingIntoEachKindOfFieldStoresOnlyTheTypedValues() {
        EditorFixture fixture;
        QVERIFY(fixture.ready());
        QVERIFY(tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                                          "CodePage", "SHIFT_JIS"));
        // The department link keeps its two last digits whatever is typed.
        QVERIFY(tk73_WritePrivateProfileStringA(
            "FILE0004", "F06M", "FF00",
            fixture.session.store.paths(tk73editortest::kRegister).definitionFile.c_str()));
        // A last line cut short, as a crash while writing leaves it: it is no record and stays.
        const std::string original =
            TempEnvironment::readFile(fixture.mainteFile(kPlu)) + "000301,\"04012";
        TempEnvironment::writeFile(fixture.mainteFile(kPlu), original);
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        QCOMPARE(window->Document().RecordCount(), 300);
        DataGridView* grid = window->Grid();
        ExpectedBytes expected(original, window->Document());
        const int row = 1;
        const std::string oldName = expected.Get(row, kName);

        grid->GoTo(row, kName);
        typeIntoField(grid, kHyoJiText + "x");
        expected.Set(row, kName, kHyoJi + "x");

        // In a price field a letter is refused; the digits go over the first places.
        grid->GoTo(row, kPrice);
        tk73edittest::typeText(grid, "B");
        QVERIFY(grid->OpenEdit() != nullptr);
        QCOMPARE(grid->OpenEdit()->Value(), expected.Get(row, kPrice));
        tk73edittest::typeText(grid->OpenEdit(), "12");
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Return);
        QCoreApplication::processEvents();
        expected.Set(row, kPrice, "12");

        // Item codes take hexadecimal digits, lower-case letters in upper case; "G" is refused.
        grid->GoTo(row, kCode);
        typeIntoField(grid, "aGb1");
        expected.Set(row, kCode, "AB1");

        grid->GoTo(row, kQuantity);
        typeIntoField(grid, "5");
        expected.Set(row, kQuantity, "5");

        // The mask FF00 over the old 0001: 9999 is stored as 9901.
        grid->GoTo(row, kDeptLink);
        QCOMPARE(expected.Get(row, kDeptLink), std::string("0001"));
        typeIntoField(grid, "9999");
        expected.Set(row, kDeptLink, "9901");

        // Up and Down inside the edit commit it and go to the same field of the neighbouring
        // record. A single byte over a double-byte character leaves a blank for its other half.
        QCOMPARE(window->Document().Stored(row, kName), kHyoJi + "xread       ");
        grid->GoTo(row, kName);
        tk73edittest::typeText(grid, "Z");
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Down);
        QCOMPARE(grid->CurrentRow(), row + 1);
        QVERIFY(grid->OpenEdit() != nullptr);
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(grid->OpenEdit() == nullptr);
        expected.Set(row, kName, "Z ");

        QVERIFY(window->Save());
        QCOMPARE(TempEnvironment::readFile(fixture.mainteFile(kPlu)), expected.Bytes());
        QVERIFY(oldName != expected.Get(row, kName));
        QVERIFY(!window->Document().Modified());
    }

    void whatAFieldCannotHoldNeverReachesTheFileHoweverItIsTyped() {
        // A Windows-1252 installation: Japanese characters have no place in it.
        EditorFixture fixture;
        const std::string original = TempEnvironment::readFile(fixture.mainteFile(kPlu));
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        DataGridView* grid = window->Grid();
        ExpectedBytes expected(original, window->Document());
        // Overtype: the character the code page lacks is refused with a note naming it, the
        // double quote is taken as a blank with the setting editors' note.
        grid->GoTo(0, kName);
        tk73edittest::typeText(grid, "A");
        tk73edittest::typeText(grid->OpenEdit(), kHyoJiText.left(1) + "B");
        QVERIFY2(QToolTip::text().contains("[" + kHyoJiText.left(1) + "]"),
                 qPrintable(QToolTip::text()));
        tk73edittest::typeText(grid->OpenEdit(), "\"C");
        QVERIFY2(QToolTip::text().contains(QStringLiteral("[\"]")), qPrintable(QToolTip::text()));
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Return);
        QCoreApplication::processEvents();
        expected.Set(0, kName, "AB C");
        // What an input method commits is typed the same way, the refused characters left out.
        grid->GoTo(1, kName);
        tk73edittest::typeText(grid, "Q");
        QInputMethodEvent composed;
        composed.setCommitString(kHyoJiText + "\"R");
        QApplication::sendEvent(grid->OpenEdit(), &composed);
        QVERIFY2(QToolTip::text().contains("[" + kHyoJiText + "]"), qPrintable(QToolTip::text()));
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Return);
        QCoreApplication::processEvents();
        expected.Set(1, kName, "Q R");

        // Insert editing takes what overtype takes: no letter in a price, a hexadecimal digit
        // only in a quantity.
        grid->GoTo(2, kPrice);
        tk73edittest::typeText(grid, "1");
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Insert);
        tk73edittest::typeText(grid->OpenEdit(), "A2b");
        QVERIFY(grid->OpenEdit()->Value().find_first_not_of("0123456789") == std::string::npos);
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        const std::string quantity = expected.Get(2, kQuantity);
        grid->GoTo(2, kQuantity);
        tk73edittest::typeText(grid, "1");
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Insert);
        tk73edittest::typeText(grid->OpenEdit(), "Gx2");
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Return);
        QCoreApplication::processEvents();
        expected.Set(2, kQuantity, "12" + quantity.substr(1, quantity.size() - 2));

        // The entry dialog takes what the grid takes, typed key by key.
        grid->GoTo(3, kCode);
        const std::vector<EntryStep> walk = {{"Next >>", {}},
                                             {"Next >>", "\"x" + kHyoJiText, true},
                                             {"Next >>", {}},
                                             {"Exit", QStringLiteral("12AB"), true}};
        QCOMPARE(runEntryWalk(*window, walk).size(), walk.size());
        expected.Set(3, kName, " x              ");
        expected.Set(3, kPrice, "00000012");

        QVERIFY(window->Save());
        QCOMPARE(TempEnvironment::readFile(fixture.mainteFile(kPlu)), expected.Bytes());
    }

    void theGridMovesLikeASpreadsheetAndKeepsTheCurrentFieldInView() {
        EditorFixture fixture;
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        DataGridView* grid = window->Grid();
        const int lastRow = window->Document().RecordCount() - 1;
        const int lastField = window->Document().FieldCount() - 1;
        // In view: whole, below the header row and right of the record numbers.
        const auto at = [&](int row, int field) {
            const QRect cells = grid->viewport()->rect().adjusted(
                grid->Metrics().NumberWidth(), grid->Metrics().HeaderHeight(), 0, 0);
            return grid->CurrentRow() == row && grid->CurrentField() == field &&
                   cells.contains(grid->CellRect(row, field));
        };
        const auto key = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(grid, static_cast<Qt::Key>(key), modifiers);
        };
        QVERIFY(at(0, 0));
        key(Qt::Key_Up);
        key(Qt::Key_Left);
        QVERIFY(at(0, 0));
        key(Qt::Key_End, Qt::ControlModifier);
        QVERIFY(at(lastRow, lastField));
        QVERIFY(grid->RowAt(grid->CellRect(lastRow, 0).center().y()) == lastRow);
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        QVERIFY(at(lastRow, lastField));
        key(Qt::Key_Home);
        QVERIFY(at(lastRow, 0));
        key(Qt::Key_Home, Qt::ControlModifier);
        QVERIFY(at(0, 0));
        // A page down lands on the first record below the screen, a page up goes back.
        const int below = grid->RowAt(grid->viewport()->height() - 1) + 1;
        key(Qt::Key_PageDown);
        QVERIFY(grid->CurrentRow() >= below - 1 && at(grid->CurrentRow(), 0));
        key(Qt::Key_PageUp);
        QVERIFY(at(0, 0));
        // Tab runs on into the next record, Shift+Tab back.
        key(Qt::Key_End);
        key(Qt::Key_Tab);
        QVERIFY(at(1, 0));
        key(Qt::Key_Backtab);
        QVERIFY(at(0, lastField));

        // A click picks the cell; a record number picks the record in the current field.
        key(Qt::Key_Home);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, kPrice).center());
        QVERIFY(at(3, kPrice));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->NumberRect(5).center());
        QVERIFY(at(5, kPrice));
        // A double click opens the edit; Tab commits it and edits the next field; a click
        // elsewhere commits that one too. Where the view shows record 6 only in part, the click
        // on it scrolled it whole into view and record 1 under the header row: the click goes to
        // the top record in view.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(2, kName).center());
        QVERIFY(at(2, kName) && grid->OpenEdit() != nullptr);
        QCOMPARE(grid->OpenEdit()->geometry(), grid->CellRect(2, kName));
        tk73edittest::typeText(grid->OpenEdit(), "Q");
        tk73edittest::pressKey(grid->OpenEdit(), Qt::Key_Tab);
        QVERIFY(at(2, kName + 1) && grid->OpenEdit() != nullptr);
        tk73edittest::typeText(grid->OpenEdit(), "7");
        const int top = grid->RowAt(grid->Metrics().HeaderHeight());
        QVERIFY(top >= 0 && top < 2);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->CellRect(top, kName + 1).center());
        QVERIFY(at(top, kName + 1) && grid->OpenEdit() == nullptr);
        QCOMPARE(window->Document().Shown(2, kName).substr(0, 1), std::string("Q"));
        QCOMPARE(window->Document().Shown(2, kName + 1).substr(0, 1), std::string("7"));
        QVERIFY(window->Document().Modified());
    }

    void pastesAFieldOverARangeAndAWholeRecord() {
        EditorFixture fixture;
        const std::string original = TempEnvironment::readFile(fixture.mainteFile(kPlu));
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        DataGridView* grid = window->Grid();
        ExpectedBytes expected(original, window->Document());

        grid->GoTo(0, kName);
        window->CopyField();
        // Another field does not take it.
        grid->GoTo(4, kPrice);
        window->Paste();
        QCOMPARE(fixture.session.script.textsOf(tk73test::InteractionKind::Message).back(),
                 std::string(tk73edit::kOtherFieldClip));

        // From record 10 to record 3: the start is typed with a comma, and a start outside the
        // records keeps the dialog open with the focus on it.
        grid->GoTo(4, kName);
        bool refused = false;
        QVERIFY(tk73edittest::withDialog<tk73edit::RangeDialog>(
            [&] { window->PasteRectangle(); },
            [&](tk73edit::RangeDialog& dialog) {
                QCOMPARE(dialog.StartBox()->value(), 5);
                retype(dialog.StartBox(), QStringLiteral("0"));
                for (auto* button : dialog.findChildren<QPushButton*>()) {
                    if (button->text() == QStringLiteral("Paste")) {
                        button->click();
                        refused = dialog.isVisible();
                        retype(dialog.StartBox(), QStringLiteral("1,0"));
                        retype(dialog.EndBox(), QStringLiteral("3"));
                        button->click();
                    }
                }
            }));
        QVERIFY(refused);
        const std::string firstName = expected.Get(0, kName);
        for (int row = 2; row <= 9; ++row) {
            expected.Set(row, kName, firstName);
        }

        // A whole record, record 1 over record 20; its memory number stays.
        grid->GoTo(0, kCode);
        window->CopyRecord();
        grid->GoTo(19, kPrice);
        window->Paste();
        for (int field = 0; field < window->Document().FieldCount(); ++field) {
            expected.Set(19, field, expected.Get(0, field));
        }

        QVERIFY(window->Save());
        QCOMPARE(TempEnvironment::readFile(fixture.mainteFile(kPlu)), expected.Bytes());
    }

    void searchesForwardAndBackwardInTheCurrentField() {
        EditorFixture fixture;
        const std::string original = TempEnvironment::readFile(fixture.mainteFile(kPlu));
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        DataGridView* grid = window->Grid();
        grid->GoTo(0, kName);
        const auto search = [&](const QString& text, const char* button) {
            return tk73edittest::withDialog<tk73edit::SearchDialog>(
                [&] { window->Search(); },
                [&](tk73edit::SearchDialog& dialog) {
                    if (!text.isEmpty()) {
                        dialog.TextBox()->setText(text);
                    }
                    for (auto* b : dialog.findChildren<QPushButton*>()) {
                        if (b->text() == QLatin1String(button)) {
                            b->click();
                        }
                    }
                });
        };
        QVERIFY(search(QStringLiteral("sesame"), "Forward"));
        QCOMPARE(grid->CurrentRow(), 7);  // "Bagel sesame"
        QVERIFY(grid->OpenEdit() != nullptr);
        QCOMPARE(grid->OpenEdit()->cursorPosition(), 6);
        QVERIFY(search(QStringLiteral("Bagel"), "Backward"));
        QCOMPARE(grid->CurrentRow(), 6);  // "Bagel plain"
        // The last text is offered again; nothing before record 7 matches: the grid stays.
        QVERIFY(search(QString(), "Backward"));
        QCOMPARE(grid->CurrentRow(), 6);
        QVERIFY(search(QString(), "Forward"));
        QCOMPARE(grid->CurrentRow(), 7);
        // Case counts.
        QVERIFY(search(QStringLiteral("bagel"), "Forward"));
        QCOMPARE(grid->CurrentRow(), 7);
        // Searching (and the edits it opened) changed nothing: a save writes the same bytes.
        QVERIFY(!window->Document().Modified());
        QVERIFY(window->Save());
        QCOMPARE(TempEnvironment::readFile(fixture.mainteFile(kPlu)), original);
    }

    void theEntryDialogWalksTheFieldsAndCancelPutsTheRecordBack() {
        EditorFixture fixture;
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        tk73edit::ProgramDocument& document = window->Document();
        const std::string code = document.Stored(2, kCode);
        const std::string price = document.Stored(2, kPrice);

        // Each step: the button, and the value typed before it (empty: none).
        const std::vector<EntryStep> walk = {
            {"Next >>", {}}, {"<< Prev", {}},
            {"Next >>", {}}, {"Next >>", QStringLiteral("Long name of a loaf")},
            {"Next >>", {}}, {"Exit", QStringLiteral("123456789")}};
        window->Grid()->GoTo(2, kCode);
        const std::vector<QStringList> seen = runEntryWalk(*window, walk);
        QCOMPARE(seen.size(), walk.size());
        QCOMPARE(seen[0].front(), QStringLiteral("Enter PLU code"));
        QCOMPARE(seen[0].back(), tk73::toQString(code));
        QCOMPARE(seen[1].front(), QStringLiteral("Enter PLU name"));
        QCOMPARE(seen[2].front(), QStringLiteral("Enter PLU code"));
        QCOMPARE(seen[3].front(), QStringLiteral("Enter PLU name"));
        // A price is offered without its leading zeros, in a box of the field's width.
        QCOMPARE(seen[5].front(), QStringLiteral("Enter Unit price"));
        QCOMPARE(seen[5].back(), tk73::toQString(price.substr(price.find_first_not_of('0'))));
        QCOMPARE(document.Stored(2, kCode), code);
        // Too long: the leftmost characters of a name.
        QCOMPARE(document.Stored(2, kName), std::string("Long name of a l"));
        QCOMPARE(document.Stored(2, kPrice), std::string("12345678"));

        // Cancel puts back every value the walk stored in the record.
        window->Grid()->GoTo(2, kCode);
        const std::vector<EntryStep> cancelled = {
            {"Next >>", QStringLiteral("99")}, {"Next >>", QStringLiteral("Rye")}, {"Cancel", {}}};
        QCOMPARE(runEntryWalk(*window, cancelled).size(), cancelled.size());
        QCOMPARE(document.Stored(2, kCode), code);
        QCOMPARE(document.Stored(2, kName), std::string("Long name of a l"));
    }

    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo() {
        EditorFixture fixture;
        const std::string file = fixture.mainteFile(kPlu);
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        QVERIFY(window->Document().Write(0, kName, "Spelt"));
        std::string other = TempEnvironment::readFile(file);
        other.replace(other.find("Rye bread"), 9, "Oat bread");
        TempEnvironment::writeFile(file, other);

        fixture.session.script.pressButton(tk73::Button::No);
        QVERIFY(!window->Save());
        QCOMPARE(TempEnvironment::readFile(file), other);
        QVERIFY(window->Document().Modified());
        const auto questions = fixture.session.script.textsOf(tk73test::InteractionKind::Question);
        QCOMPARE(questions.size(), size_t{1});
        QVERIFY(questions[0].find("FILE004P.TXT") != std::string::npos);

        fixture.session.script.pressButton(tk73::Button::Yes);
        QVERIFY(window->Save());
        QCOMPARE(TempEnvironment::readFile(file), std::string(window->Document().Bytes()));
        // Now the file is what the editor wrote: the next save asks nothing.
        QVERIFY(window->Document().Write(1, kName, "Barley"));
        QVERIFY(window->Save());
    }

    void writeAndReadDataWorkOnTheGridAndLeaveTheFileToSave() {
        EditorFixture fixture;
        const std::string file = fixture.mainteFile(kPlu);
        const std::string original = TempEnvironment::readFile(file);
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        auto* write = window->findChild<QPushButton*>(QString::fromLatin1(tk73edit::kWriteData));
        auto* read = window->findChild<QPushButton*>(QString::fromLatin1(tk73edit::kReadData));
        QVERIFY(write != nullptr && write->menu() != nullptr && read != nullptr &&
                read->menu() != nullptr);
        tk73edit::ProgramDocument& document = window->Document();

        // The export holds what the grid shows, the unsaved edit included; the file stays.
        window->Grid()->GoTo(0, kName);
        typeIntoField(window->Grid(), QStringLiteral("Spelt"));
        const std::string csv = fixture.session.environment.path("PLU.CSV");
        fixture.session.script.choosePath(csv);
        const QList<QAction*> targets = write->menu()->actions();
        QCOMPARE(targets[0]->text(), QString::fromLatin1(tk73edit::kToCsvFile));
        targets[0]->trigger();
        QCOMPARE(TempEnvironment::readFile(csv), std::string(document.Bytes()));
        QCOMPARE(TempEnvironment::readFile(file), original);

        // A CSV file with another name in record 3 comes into the grid as an unsaved edit.
        ExpectedBytes expected(std::string(document.Bytes()), document);
        expected.Set(2, kName, "Oat bread       ");
        const std::string changed = fixture.session.environment.path("CHANGED.CSV");
        TempEnvironment::writeFile(changed, expected.Bytes());
        fixture.session.script.choosePath(changed);
        fixture.session.script.handleDialog(std::string(tk73pgm::ImportRangeRequest::kName),
                                            [](tk73::DialogRequest&) { return tk73::Button::Ok; });
        const QList<QAction*> sources = read->menu()->actions();
        QCOMPARE(sources.size(), 3);
        QCOMPARE(sources[1]->text(), QString::fromLatin1(tk73edit::kFromCsvFile));
        sources[1]->trigger();
        QCOMPARE(document.Stored(2, kName), std::string("Oat bread       "));
        QVERIFY(document.Modified());
        QCOMPARE(TempEnvironment::readFile(file), original);
        const auto messages = fixture.session.script.textsOf(tk73test::InteractionKind::Message);
        QVERIFY(std::find(messages.begin(), messages.end(),
                          std::string(tk73edit::kCsvReadNotStrict)) != messages.end());
        char temp[4096] = {};
        AecrbsGetTempPath(temp);
        QVERIFY(!std::filesystem::exists(std::string(temp) + "/FILE004P.TXT"));

        QVERIFY(window->Save());
        QCOMPARE(TempEnvironment::readFile(file), expected.Bytes());
    }

    void spreadsheetsGoOutAsAWorkbookAndComeInThroughThePreview() {
        EditorFixture fixture;
        const std::string file = fixture.mainteFile(kPlu);
        const std::string original = TempEnvironment::readFile(file);
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        auto* write = window->findChild<QPushButton*>(QString::fromLatin1(tk73edit::kWriteData));
        auto* read = window->findChild<QPushButton*>(QString::fromLatin1(tk73edit::kReadData));
        tk73edit::ProgramDocument& document = window->Document();

        // The workbook holds the grid: a row per record below the titles.
        const std::string workbook = fixture.session.environment.path("PLU.xlsx");
        fixture.session.script.choosePath(workbook);
        QCOMPARE(write->menu()->actions()[1]->text(),
                 QString::fromLatin1(tk73edit::kToSpreadsheet));
        write->menu()->actions()[1]->trigger();
        tk73sheet::Workbook book;
        std::string error;
        QVERIFY2(tk73sheet::readXlsx(workbook, book, error), error.c_str());
        QCOMPARE(book.sheets.front().rows.size(), size_t(document.RecordCount() + 1));

        // A sheet with another name for record 3: the preview shows it, Apply takes it into the
        // grid as an unsaved edit, and the file stays until Save.
        const std::string sheet = fixture.session.environment.path("names.csv");
        TempEnvironment::writeFile(sheet,
                                   "Record," + document.Field(kName).title + "\n3,Oat bread\n");
        fixture.session.script.choosePath(sheet);
        QAction* fromSheet = read->menu()->actions()[2];
        QCOMPARE(fromSheet->text(), QString::fromLatin1(tk73edit::kFromSpreadsheet));
        const bool previewed = tk73edittest::withDialog<tk73sheetui::SheetPreviewDialog>(
            [&] { fromSheet->trigger(); },
            [](tk73sheetui::SheetPreviewDialog& preview) {
                QCOMPARE(preview.Changes()->model()->rowCount(), 1);
                preview.findChild<QPushButton*>(QStringLiteral("apply"))->click();
            });
        QVERIFY(previewed);
        QCOMPARE(document.Stored(2, kName), std::string("Oat bread       "));
        QVERIFY(document.Modified());
        QCOMPARE(TempEnvironment::readFile(file), original);
    }

    void closingAsksForUnsavedChangesAndKeepsThePlacement() {
        EditorFixture fixture;
        const std::string file = fixture.mainteFile(kPlu);
        const std::string original = TempEnvironment::readFile(file);
        DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        // Never placed before: in the middle of the screen, its title bar on it.
        window->ShowPlaced();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(window->geometry()));
        QVERIFY(window->geometry().top() >=
                screen.top() + window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
        QCOMPARE(window->geometry().center().x(), screen.center().x());
        window->ToggleZoom();
        QVERIFY(window->Document().Write(0, kName, "Spelt"));
        fixture.session.script.pressButton(tk73::Button::Cancel);
        QVERIFY(!window->close());
        fixture.session.script.pressButton(tk73::Button::No);
        QVERIFY(window->close());
        QCOMPARE(TempEnvironment::readFile(file), original);
        uint32_t zoom = 0;
        AecrbsGetRegistryCurrentUserSystemValueDW("\\TK73EDIT", &zoom, "ZOOM");
        QCOMPARE(zoom, 1u);
        QCOMPARE(tk73edit::loadWindowPlacement().zoom, true);
    }
};

QTEST_MAIN(DataEditorEditTest)
#include "edit_test.moc"
