#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "apps/editors/general/general_editor.h"
#include "apps/editors/general/general_features.h"
#include "apps/editors/testing/form_editor_test.h"
#include "apps/editors/testing/form_page_set.h"
#include "apps/editors/testing/widget_lookup.h"
#include "programfiles/pgm_handle.h"

using tk73::Button;
using tk73editortest::ExpectedFiles;
using tk73editortest::fieldOf;
using tk73editortest::retype;
using namespace tk73general;

namespace {

QWidget* control(const tk73editor::PageSetDialog& set, Feature feature) {
    tk73editor::PageItem* item =
        tk73editortest::itemOf(set, kGeneralFeatureMenu, static_cast<int>(feature));
    return item != nullptr ? item->Control() : nullptr;
}

QString chosen(const tk73editor::PageSetDialog& set, Feature feature) {
    return qobject_cast<QComboBox*>(control(set, feature))->currentText();
}

bool checked(const tk73editor::PageSetDialog& set, Feature feature) {
    return qobject_cast<QCheckBox*>(control(set, feature))->isChecked();
}

void choose(const tk73editor::PageSetDialog& set, Feature feature, int entry) {
    auto* list = qobject_cast<QComboBox*>(control(set, feature));
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

}  // namespace

class GeneralEditorTest : public tk73editortest::FormEditorTest {
    Q_OBJECT

  public:
    GeneralEditorTest() : FormEditorTest(generalEditor(), EDITOR_PROGRAM) {}

  private slots:
    void init() { start(kKR301); }

    void theEditorGroupsTheFeaturesOnThreePageSets() {
        QVERIFY(session_->ready());
        const auto description = generalEditor();
        QCOMPARE(description.vekFlags, tk73editor::VekFlags::SecondFlag);
        const char* const sets[][2] = {
            {"AS", "General Feature"}, {"NS", "Online Setting"}, {"BS", "Key Operation"}};
        QCOMPARE(description.pageSets.size(), std::size(sets));
        for (size_t set = 0; set < std::size(sets); ++set) {
            QCOMPARE(description.pageSets[set].flag, std::string(sets[set][0]));
            auto dialog =
                tk73editortest::asFormPageSet(description.pageSets[set].create(session_->context));
            QCOMPARE(dialog->Title(), std::string(sets[set][1]));
            QCOMPARE(dialog->Open(), 1);
            QVERIFY(dialog->Pages().size() >= 2);
        }
        // The general features page set shows every feature once.
        auto all = create("AS");
        size_t items = 0;
        for (const tk73editor::SettingPage* page : all->Pages()) {
            items += page->Items().size();
        }
        QCOMPARE(items, size_t{12});
        QVERIFY(session_->script.calls().empty());
    }

    void theFeaturesShowTheirFunctionRecords() {
        QVERIFY(session_->ready());
        auto set = create("AS");
        QCOMPARE(set->Open(), 1);
        QCOMPARE(chosen(*set, Feature::RoundingSystem), QStringLiteral("Round to 0.05"));
        QCOMPARE(chosen(*set, Feature::DecimalPoint), QStringLiteral("2 decimals (0.00)"));
        QCOMPARE(chosen(*set, Feature::DateFormat), QStringLiteral("DD/MM/YYYY"));
        QVERIFY(tk73editortest::buttonIn(control(*set, Feature::TimeFormat), "24 hour system")
                    ->isChecked());
        QCOMPARE(fieldOf(control(*set, Feature::DrawerAlarm))->text(), QStringLiteral("30"));
        QCOMPARE(fieldOf(control(*set, Feature::PowerSave))->text(), QStringLiteral("15"));
        QCOMPARE(fieldOf(control(*set, Feature::VoidLimit))->text(), QStringLiteral("50"));
        for (const Feature on : {Feature::KeyBeep, Feature::ClerkSignOn, Feature::ScannerConnected,
                                 Feature::PrintLogo, Feature::JournalToMemory}) {
            QVERIFY(checked(*set, on));
        }
    }

    void aSaveWritesOnlyTheChangedFeatures() {
        QVERIFY(session_->ready());
        ExpectedFiles expected = session_->expect();
        auto set = create("AS");
        QCOMPARE(set->Open(), 1);
        choose(*set, Feature::RoundingSystem, 2);
        choose(*set, Feature::DecimalPoint, 0);
        retype(fieldOf(control(*set, Feature::VoidLimit)), "20");
        qobject_cast<QCheckBox*>(control(*set, Feature::ScannerConnected))->click();
        tk73editortest::buttonIn(control(*set, Feature::TimeFormat), "12 hour system")->click();
        QVERIFY(save(*set));
        QVERIFY(expected.Write(kGeneralFeatureMenu, 1, 0, uint64_t{2}));
        QVERIFY(expected.Write(kGeneralFeatureMenu, 2, 0, uint64_t{0}));
        QVERIFY(expected.Write(kGeneralFeatureMenu, 10, 0, uint64_t{20}));
        QVERIFY(expected.Write(kGeneralFeatureMenu, 9, 0, uint64_t{0}));
        QVERIFY(expected.Write(kGeneralFeatureMenu, 4, 0, uint64_t{1}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void aValueThatDoesNotFitIsRefusedAndNamed() {
        QVERIFY(session_->ready());
        ExpectedFiles expected = session_->expect();
        auto set = create("BS");
        QCOMPARE(set->Open(), 1);
        QLineEdit* limit = fieldOf(control(*set, Feature::VoidLimit));
        // The sign never enters a digit field.
        retype(limit, "-5");
        QCOMPARE(limit->text(), QStringLiteral("5"));
        retype(limit, "");
        set->accept();
        QCOMPARE(session_->script.textsOf(tk73test::InteractionKind::Message),
                 std::vector<std::string>{
                     "Invalid values.\nPlease set the correct value.\n\nVoid limit"});
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void theTimeFormatSaysWhichClockItGoverns() {
        QVERIFY(session_->ready());
        auto set = create("AS");
        QCOMPARE(set->Open(), 1);
        QStringList notes;
        for (const QLabel* label : set->findChildren<QLabel*>()) {
            notes << label->text();
        }
        QVERIFY(notes.filter(QStringLiteral("\"Time system\" of the receipt settings")).size() ==
                1);
    }

    void restoreDefaultsReadsTheShippedFeaturesOfTheCurrentPage() {
        QVERIFY(session_->ready());
        auto set = create("NS");
        QCOMPARE(set->Open(), 1);
        qobject_cast<QCheckBox*>(control(*set, Feature::ScannerConnected))->click();
        QVERIFY(!checked(*set, Feature::ScannerConnected));
        session_->script.pressButton(Button::Ok);
        set->RestoreDefaults();
        QVERIFY(checked(*set, Feature::ScannerConnected));
        set->reject();
    }

    void everyPageSetShowsItsControlsWhole_data() {
        QTest::addColumn<QString>("flag");
        for (const char* flag : {"AS", "NS", "BS"}) {
            QTest::newRow(flag) << flag;
        }
    }
    void everyPageSetShowsItsControlsWhole() {
        QFETCH(QString, flag);
        QVERIFY(session_->ready());
        const QStringList problems = renderedPages(flag.toStdString(), "gen-" + flag.toStdString());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(GeneralEditorTest)
#include "general_editor_test.moc"
