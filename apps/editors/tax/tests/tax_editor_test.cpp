#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>
#include <memory>
#include <optional>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/tax/register_tax_page_set.h"
#include "apps/editors/tax/reservation_date.h"
#include "apps/editors/tax/reservation_page_set.h"
#include "apps/editors/tax/tax_editor.h"
#include "apps/editors/tax/tax_menus.h"
#include "apps/editors/tax/tax_type_item.h"
#include "apps/editors/tax/vek_tax_page_set.h"
#include "apps/editors/testing/form_editor_test.h"
#include "apps/editors/testing/widget_lookup.h"
#include "base/registry_settings.h"
#include "platform/testing/scoped_variable.h"
#include "programfiles/pgm_handle.h"
#include "storedb/help_manuals.h"

using tk73::Button;
using tk73editortest::ExpectedFiles;
using tk73editortest::fieldOf;
using tk73editortest::kController;
using tk73editortest::kRegister;
using tk73editortest::retype;
using tk73test::InteractionKind;
using namespace tk73tax;

namespace {

const char* const kInvalid = "Invalid values.\nPlease set the correct value.";

QAbstractButton* option(tk73editor::PageItem* item, const char* text) {
    return tk73editortest::optionOf(item, QString::fromLatin1(text));
}

// The item of a tax table of a page set, of the type that shows it.
template <class Item>
Item* itemOf(tk73editor::PageSetDialog& set, int itemNo, int record) {
    return dynamic_cast<Item*>(tk73editortest::itemOf(set, kTaxMenu, itemNo, record));
}

// A value read straight from a program file through a handle of its own.
uint64_t stored(const tk73editortest::StagedStore& store, int target, int menuNo, int itemNo,
                int record) {
    const tk73editortest::StorePaths& paths = store.paths(target);
    CPgmHandle handle;
    tagPGMITEMDEF item;
    uint64_t value = 0;
    if (!handle.Open(paths.definitionFile.c_str(), paths.mainteFolder.c_str(),
                     paths.defaultFolder.c_str()) ||
        !handle.GetItemDef(&item, menuNo, itemNo, 0) ||
        !handle.ReadItem(&item, record, &value, sizeof(value))) {
        return UINT64_MAX;
    }
    return value;
}

void writeStored(const tk73editortest::StagedStore& files, int menuNo, int itemNo, uint64_t value) {
    const tk73editortest::StorePaths& paths = files.paths(kRegister);
    CPgmHandle handle;
    QVERIFY(handle.Open(paths.definitionFile.c_str(), paths.mainteFolder.c_str(),
                        paths.defaultFolder.c_str()));
    tagPGMITEMDEF item;
    QVERIFY(handle.GetItemDef(&item, menuNo, itemNo, 0));
    QVERIFY(handle.WriteItem(&item, 1, &value, sizeof(value)));
}

}  // namespace

class TaxEditorTest : public tk73editortest::FormEditorTest {
    Q_OBJECT

  public:
    TaxEditorTest() : FormEditorTest(taxEditor(), EDITOR_PROGRAM) {}

  private:
    std::vector<tk73test::RecordedInteraction> calls() const { return session_->script.calls(); }
    // field: the name the message gives the field, empty for a message that names none.
    void expectInvalidMessage(const char* caption, const std::string& field = "") {
        const auto recorded = calls();
        QCOMPARE(recorded.size(), size_t{1});
        QCOMPARE(recorded[0].kind, InteractionKind::Message);
        QCOMPARE(recorded[0].text,
                 field.empty() ? std::string(kInvalid) : std::string(kInvalid) + "\n\n" + field);
        QCOMPARE(recorded[0].caption, std::string(caption));
        QCOMPARE(recorded[0].icon, tk73::MessageIcon::Exclamation);
    }

  private slots:
    void ratesAreStoredTimesTenThousandAndShownWithFourDecimals() {
        QCOMPARE(TaxRateItem::Parse("12.5"), std::optional<uint64_t>(125000));
        QCOMPARE(TaxRateItem::Parse("8"), std::optional<uint64_t>(80000));
        QCOMPARE(TaxRateItem::Parse(".5"), std::optional<uint64_t>(5000));
        QCOMPARE(TaxRateItem::Parse(" 0.0001 "), std::optional<uint64_t>(1));
        QCOMPARE(TaxRateItem::Parse("9999.9999"), std::optional<uint64_t>(99999999));
        for (const char* refused :
             {"", ".", "12345", "1.23456", "-1", "1,5", "1e3", "1 .5", "1.2.3", "+5"}) {
            QVERIFY2(!TaxRateItem::Parse(refused).has_value(), refused);
        }
        QCOMPARE(TaxRateItem::Format(80000), QStringLiteral("8.0000"));
        QCOMPARE(TaxRateItem::Format(5000), QStringLiteral("0.5000"));
        QCOMPARE(TaxRateItem::Format(0), QStringLiteral("0.0000"));
        QCOMPARE(TaxRateItem::Format(99999999), QStringLiteral("9999.9999"));
    }

    void reservationDatesAreSixDigitsOfTheYearsTwoThousandToTwentyNinetyNine() {
        QCOMPARE(reservationNumber(QDate(2019, 3, 31)), std::optional<uint64_t>(190331));
        QCOMPARE(reservationNumber(QDate(2000, 1, 2)), std::optional<uint64_t>(102));
        QVERIFY(!reservationNumber(QDate(2100, 1, 1)).has_value());
        QVERIFY(!reservationNumber(QDate(1999, 12, 31)).has_value());
        QCOMPARE(reservationDate(190331), std::optional<QDate>(QDate(2019, 3, 31)));
        QCOMPARE(reservationDate(991231), std::optional<QDate>(QDate(2099, 12, 31)));
        for (const uint64_t refused : {0ull, 190230ull, 191301ull, 190300ull, 1000101ull}) {
            QVERIFY2(!reservationDate(refused).has_value(), qPrintable(QString::number(refused)));
        }
        const QDate today(2026, 12, 7);
        QVERIFY(canReserve(today, today));
        QVERIFY(!canReserve(today.addDays(-1), today));
        QVERIFY(canReserve(QDate(2099, 12, 31), today));
        QVERIFY(!canReserve(QDate(2100, 1, 1), today));
    }

    void theEditorChoosesTheControllersTablesWhenItsSettingIsCurrent() {
        QVERIFY(start(kKR301, kVK500));
        const tk73editor::EditorDescription description = taxEditor();
        QCOMPARE(description.vekFlags, tk73editor::VekFlags::FirstTwoFlags);
        QCOMPARE(description.pageSets.size(), size_t{2});
        QCOMPARE(description.pageSets[0].flag, std::string("T"));
        QCOMPARE(description.pageSets[1].flag, std::string("R"));
        QVERIFY(dynamic_cast<RegisterTaxPageSet*>(
            description.pageSets[0].create(session_->context).get()));
        QVERIFY(dynamic_cast<ReservationPageSet*>(
            description.pageSets[1].create(session_->context).get()));
        AecrbsSetCurrentVekSetting(1, 0);
        for (const auto& set : description.pageSets) {
            auto dialog = set.create(session_->context);
            QVERIFY(dynamic_cast<VekTaxPageSet*>(dialog.get()));
            QCOMPARE(dialog->Title(), std::string("Tax Table"));
        }
    }

    void aTypedRateIsStoredAndShownWhenReadBack() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        {
            RegisterTaxPageSet set(session_->context);
            QCOMPARE(set.Open(), 1);
            QCOMPARE(set.Rates().size(), size_t{10});
            QCOMPARE(fieldOf(set.Rates()[0]->Control())->text(), QStringLiteral("20.0000"));
            QCOMPARE(fieldOf(set.Rates()[2]->Control())->text(), QStringLiteral("0.0000"));
            QCOMPARE(fieldOf(set.Rates()[4]->Control())->text(), QStringLiteral("8.0000"));
            retype(fieldOf(set.Rates()[1]->Control()), "12.5");
            QVERIFY(save(set));
        }
        QVERIFY(expected.Write(kTaxMenu, kRateItem, 2, uint64_t{125000}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});

        RegisterTaxPageSet again(session_->context);
        QCOMPARE(again.Open(), 1);
        QCOMPARE(fieldOf(again.Rates()[1]->Control())->text(), QStringLiteral("12.5000"));
    }

    void aRateThatCannotBeStoredIsRefusedAndShowsTheValueReadAgain() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        RegisterTaxPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        set.show();
        auto* tabs = set.findChild<QTabWidget*>();
        QLineEdit* ninth = fieldOf(set.Rates()[8]->Control());
        // The field takes no more than four integer digits; a point alone is no rate either.
        retype(ninth, "12345");
        QCOMPARE(ninth->text(), QStringLiteral("1234"));
        retype(ninth, ".");
        set.accept();
        expectInvalidMessage("Tax Table", "Tax rate, record 9");
        QVERIFY(set.isVisible());
        QCOMPARE(ninth->text(), QStringLiteral("0.0000"));
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(set.focusWidget(), ninth);

        // The value read back is saved as it was: nothing changes.
        QVERIFY(save(set));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void theRegistersTablesAreOnThreePagesWithoutRestoreDefaults() {
        QVERIFY(start(kKR301));
        RegisterTaxPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        auto* tabs = set.findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Tax Table1-4"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tax Table5-8"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Tax Table9-10"));
        set.show();
        QVERIFY(!tk73editortest::buttonIn(&set, "Restore defaults")->isVisible());
        bool caution = false;
        for (const QLabel* label : set.findChildren<QLabel*>()) {
            caution |= label->text().startsWith("TA Descriptor and TAX Descriptor will be");
        }
        QVERIFY(caution);
        // Table 4 ships as "Other", table 5 as "Add on" with rounding up and its descriptors.
        QVERIFY(option(itemOf<TaxTypeItem>(set, kTypeItem, 4), "Other")->isChecked());
        QVERIFY(option(itemOf<TaxTypeItem>(set, kTypeItem, 4), "Other")->isEnabled());
        QVERIFY(option(itemOf<TaxTypeItem>(set, kTypeItem, 5), "Add on")->isChecked());
        QVERIFY(!option(itemOf<TaxTypeItem>(set, kTypeItem, 5), "Other")->isEnabled());
        QVERIFY(
            option(itemOf<tk73editor::ChoiceItem>(set, kRoundingItem, 5), "Round up")->isChecked());
        QCOMPARE(
            fieldOf(itemOf<tk73editor::TextItem>(set, kTaxDescriptorItem, 5)->Control())->text(),
            QStringLiteral("ADD 8%"));
        QVERIFY(
            option(itemOf<tk73editor::ChoiceItem>(set, kNonTaxTotalItem, 1), "Print")->isChecked());
        QVERIFY(option(itemOf<tk73editor::ChoiceItem>(set, kNonTaxTotalItem, 3), "No print")
                    ->isChecked());
    }

    void answeringNoToTheOtherQuestionKeepsTheTable() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        RegisterTaxPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        set.show();
        TaxTypeItem* type = itemOf<TaxTypeItem>(set, kTypeItem, 4);
        session_->script.pressButton(Button::No);
        option(type, "Add in")->click();
        QVERIFY(option(type, "Other")->isChecked());
        QVERIFY(option(type, "Other")->isEnabled());
        QCOMPARE(set.focusWidget(), option(type, "Other"));
        const auto recorded = calls();
        QCOMPARE(recorded.size(), size_t{1});
        QCOMPARE(recorded[0].text, std::string("You will lose current taxtable.\nAre you sure?"));
        QCOMPARE(recorded[0].caption, std::string("Tax Table"));
        QCOMPARE(recorded[0].buttons, tk73::Buttons::YesNo);
        QCOMPARE(recorded[0].icon, tk73::MessageIcon::Exclamation);

        QVERIFY(save(set));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void answeringYesTakesTheTypeAndClearsTheOtherValues() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        RegisterTaxPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        TaxTypeItem* type = itemOf<TaxTypeItem>(set, kTypeItem, 4);
        session_->script.pressButton(Button::Yes);
        option(type, "Add on")->click();
        QVERIFY(option(type, "Add on")->isChecked());
        QVERIFY(!option(type, "Other")->isEnabled());
        // Moving on between the other types asks nothing more.
        option(type, "Add in")->click();
        QVERIFY(save(set));
        QVERIFY(expected.Write(kTaxMenu, kTypeItem, 4, uint64_t{0}));
        for (const int item : kOtherValueItems) {
            QVERIFY(expected.Write(kTaxMenu, item, 4, uint64_t{0}));
        }
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
        QCOMPARE(stored(session_->store, kRegister, kTaxMenu, 8, 4), uint64_t{0});
    }

    void aReservationForTodayIsSaved() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        ReservationPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        // The shipped reservation is programmed for 1 July 2024.
        QVERIFY(set.DateGroup().Programmed());
        QCOMPARE(set.DateGroup().Date(), QDate(2024, 7, 1));
        QVERIFY(set.DateGroup().Picker()->isEnabled());
        const QDate today = QDate::currentDate();
        set.DateGroup().Picker()->setDate(today);
        QVERIFY(save(set));
        QVERIFY(
            expected.Write(kReservationMenu, kReservationDateItem, 1, *reservationNumber(today)));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void pastDatesAndDatesFromTwentyOneHundredAreRefused_data() {
        QTest::addColumn<QDate>("date");
        QTest::newRow("yesterday") << QDate::currentDate().addDays(-1);
        QTest::newRow("2100") << QDate(2100, 6, 1);
        QTest::newRow("shipped") << QDate(2024, 7, 1);
    }
    void pastDatesAndDatesFromTwentyOneHundredAreRefused() {
        QFETCH(QDate, date);
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        ReservationPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        set.show();
        set.DateGroup().Picker()->setDate(date);
        set.accept();
        expectInvalidMessage("TAX Table reservation");
        QVERIFY(set.isVisible());
        QVERIFY(!set.DateGroup().Programmed());
        QCOMPARE(set.DateGroup().Date(), QDate::currentDate());
        QVERIFY(!set.DateGroup().Picker()->isEnabled());
        QCOMPARE(set.focusWidget(), set.DateGroup().NotProgrammedButton());
        QCOMPARE(expected.Differences(), std::vector<std::string>{});

        // "No programmed" is then saved as no reservation.
        QVERIFY(save(set));
        QVERIFY(expected.Write(kReservationMenu, kReservationDateItem, 1, uint64_t{0}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void aReservationThatDoesNotCountIsShownAsNotProgrammedAndSavedWithItsSwitches() {
        QVERIFY(start(kKR301));
        // The register has carried the reservation out: item 11 no longer holds 0.
        writeStored(session_->store, kReservationMenu, kReservationDoneItem, 1);
        ExpectedFiles expected = session_->expect();
        ReservationPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        QVERIFY(!set.DateGroup().Programmed());
        QVERIFY(set.DateGroup().NotProgrammedButton()->isEnabled());
        QCOMPARE(set.DateGroup().Date(), QDate::currentDate());
        QVERIFY(!set.DateGroup().Picker()->isEnabled());

        const QDate tomorrow = QDate::currentDate().addDays(1);
        tk73editortest::buttonIn(&set.DateGroup(), "Programmed")->click();
        QVERIFY(set.DateGroup().Picker()->isEnabled());
        set.DateGroup().Picker()->setDate(tomorrow);
        QVERIFY(save(set));
        QVERIFY(expected.Write(kReservationMenu, kReservationDateItem, 1,
                               *reservationNumber(tomorrow)));
        QVERIFY(expected.Write(kReservationMenu, kReservationDoneItem, 1, uint64_t{0}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});

        ReservationPageSet again(session_->context);
        QCOMPARE(again.Open(), 1);
        QVERIFY(again.DateGroup().Programmed());
        QCOMPARE(again.DateGroup().Date(), tomorrow);
    }

    void withoutADateInTheDefinitionTheDateStaysDisabledAndIsNeverWritten() {
        QVERIFY(start(kKR150));
        ExpectedFiles expected = session_->expect();
        ReservationPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        QVERIFY(calls().empty());
        QVERIFY(!set.DateGroup().NotProgrammedButton()->isEnabled());
        QVERIFY(!tk73editortest::buttonIn(&set.DateGroup(), "Programmed")->isEnabled());
        QVERIFY(!set.DateGroup().Programmed());
        QVERIFY(!set.DateGroup().Picker()->isEnabled());
        QCOMPARE(fieldOf(set.Rates()[3]->Control())->text(), QStringLiteral("12.5000"));
        retype(fieldOf(set.Rates()[0]->Control()), "19");
        QVERIFY(save(set));
        QVERIFY(expected.Write(kReservationMenu, 2, 1, uint64_t{190000}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void theControllersTablesAreCopiedToTheRegisterAfterASave() {
        QVERIFY(start(kKR301, kVK500, kController));
        ExpectedFiles expected = session_->expect(kController);
        VekTaxPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        QCOMPARE(set.Rates().size(), size_t{4});
        retype(fieldOf(set.Rates()[2]->Control()), "7.5");
        QVERIFY(save(set));
        QVERIFY(expected.Write(kTaxMenu, kRateItem, 3, uint64_t{75000}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
        for (int table = 1; table <= kSharedTables; ++table) {
            for (const int item : {kTypeItem, kRateItem, kRoundingItem}) {
                QCOMPARE(stored(session_->store, kRegister, kTaxMenu, item, table),
                         stored(session_->store, kController, kTaxMenu, item, table));
            }
        }
        QCOMPARE(stored(session_->store, kRegister, kTaxMenu, kRateItem, 3), uint64_t{75000});
        // The register's other tables stay as they were.
        QCOMPARE(stored(session_->store, kRegister, kTaxMenu, kRateItem, 5), uint64_t{80000});
    }

    void theControllersTablesRestoreTheirDefaults() {
        QVERIFY(start(kKR301, kVK500, kController));
        ExpectedFiles expected = session_->expect(kController);
        VekTaxPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        set.show();
        QVERIFY(tk73editortest::buttonIn(&set, "Help")->isVisible());
        QVERIFY(tk73editortest::buttonIn(&set, "Restore defaults")->isVisible());
        const QString shipped = fieldOf(set.Rates()[0]->Control())->text();
        retype(fieldOf(set.Rates()[0]->Control()), "1");
        session_->script.pressButton(Button::Ok);
        set.RestoreDefaults();
        QCOMPARE(fieldOf(set.Rates()[0]->Control())->text(), shipped);
        set.reject();
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
        QCOMPARE(session_->script.textsOf(InteractionKind::Question),
                 std::vector<std::string>{"Restore defaults?"});
    }

    void helpShowsTheManualInTheSuiteWhereTheDesktopCannotOpenIt() {
        QVERIFY(start(kKR301, kVK500, kController));
        // No program can be started for the PDF guide.
        const std::string missing = session_->environment.path("no-viewer");
        tk73test::ScopedVariable opener("TK73_OPENER", missing.c_str());
        VekTaxPageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        set.show();
        tk73editortest::buttonIn(&set, "Help")->click();
        auto* manual = set.findChild<QTextBrowser*>();
        QVERIFY(manual != nullptr);
        QCOMPARE(manual->window()->windowTitle(),
                 QStringLiteral("Controller settings in the networked register layout"));
        QVERIFY(manual->toPlainText().contains(QStringLiteral("Ctrl+Z")));
        QVERIFY(session_->script.calls().empty());
        manual->window()->close();

        // Without the HTML edition the user is told.
        QVERIFY(std::filesystem::remove(tk73store::manualPath("VEK_ECRNET.htm")));
        tk73editortest::buttonIn(&set, "Help")->click();
        QCOMPARE(session_->script.textsOf(InteractionKind::Message),
                 std::vector<std::string>{"Can not show help."});
        QCOMPARE(session_->script.calls()[0].icon, tk73::MessageIcon::Error);
        set.reject();
    }

    void everyPageSetShowsItsControlsWhole_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("controller");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("name");
        QTest::newRow("T") << kKR301 << 0 << "T"
                           << "tax-T";
        QTest::newRow("R") << kKR301 << 0 << "R"
                           << "tax-R";
        QTest::newRow("R without date") << kKR150 << 0 << "R"
                                        << "tax-R-KR150";
        QTest::newRow("controller") << kKR301 << kVK500 << "T"
                                    << "tax-controller";
    }
    void everyPageSetShowsItsControlsWhole() {
        QFETCH(int, model);
        QFETCH(int, controller);
        QFETCH(QString, flag);
        QFETCH(QString, name);
        QVERIFY(start(model, controller, controller != 0 ? kController : kRegister));
        const QStringList problems = renderedPages(flag.toStdString(), name.toStdString());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(TaxEditorTest)
#include "tax_editor_test.moc"
