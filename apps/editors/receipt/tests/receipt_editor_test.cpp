#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/receipt/message_page_set.h"
#include "apps/editors/receipt/preview_dialog.h"
#include "apps/editors/receipt/receipt_editor.h"
#include "apps/editors/receipt/receipt_menus.h"
#include "apps/editors/receipt/receipt_page_sets.h"
#include "apps/editors/receipt/receipt_preview.h"
#include "apps/editors/testing/form_editor_test.h"
#include "apps/editors/testing/form_page_set.h"
#include "apps/editors/testing/screenshots.h"
#include "apps/editors/testing/widget_lookup.h"
#include "platform/ini_profile.h"

using tk73::Button;
using tk73editortest::buttonIn;
using tk73editortest::ExpectedFiles;
using tk73editortest::fieldOf;
using tk73editortest::retype;
using tk73test::InteractionKind;
using namespace tk73receipt;

namespace {

tk73editor::PageItem* itemOf(const tk73editor::PageSetDialog& set, int menuNo, int itemNo,
                             int record = 1) {
    return tk73editortest::itemOf(set, menuNo, itemNo, record);
}

QAbstractButton* option(tk73editor::PageItem* item, const char* text) {
    return tk73editortest::optionOf(item, QString::fromUtf8(text));
}

// The preview's lines without their line ends; fails on a line end other than CR LF.
QStringList previewLines(const std::string& text) {
    QStringList lines = QString::fromStdString(text).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.pop_back();
    }
    for (const QString& line : lines) {
        if (line.contains('\r') || line.contains('\n')) {
            return {QStringLiteral("a line end other than CR LF")};
        }
    }
    return lines;
}

QStringList trimmed(QStringList lines) {
    for (QString& line : lines) {
        line = line.trimmed();
    }
    return lines;
}

}  // namespace

class ReceiptEditorTest : public tk73editortest::FormEditorTest {
    Q_OBJECT

  public:
    ReceiptEditorTest() : FormEditorTest(receiptEditor(), EDITOR_PROGRAM) {}

  private slots:
    void theEditorKnowsItsFivePageSets() {
        QVERIFY(start(kKR301));
        const char* const titles[][2] = {{"RJ", "Receipt/Journal"},
                                         {"RM", "Receipt Message"},
                                         {"RC", "Ryoushuu-sho"},
                                         {"RP", "X/Z Report"},
                                         {"PP", "POP Printing"}};
        const auto description = receiptEditor();
        QCOMPARE(description.vekFlags, tk73editor::VekFlags::SecondFlag);
        QCOMPARE(description.pageSets.size(), std::size(titles));
        for (size_t set = 0; set < std::size(titles); ++set) {
            QCOMPARE(description.pageSets[set].flag, std::string(titles[set][0]));
            auto dialog =
                tk73editortest::asFormPageSet(description.pageSets[set].create(session_->context));
            QCOMPARE(dialog->Title(), std::string(titles[set][1]));
            QCOMPARE(dialog->Open(), 1);
        }
        QVERIFY(session_->script.calls().empty());
    }

    void theSampleSaleHasEightEntriesOnFortyCharacterPrintersAndNineOtherwise() {
        const std::vector<std::string> forty = sampleSale(40);
        QCOMPARE(forty.size(), size_t{8});
        for (const std::string& line : forty) {
            QCOMPARE(line.size(), size_t{40});
        }
        QCOMPARE(forty.front(), std::string("01/04/2024 MON") + std::string(21, ' ') + "10:30");
        QCOMPARE(forty.back(), std::string("CHANGE") + std::string(30, ' ') + "4.30");
        for (const int width : {32, 48}) {
            const std::vector<std::string> nine = sampleSale(width);
            QCOMPARE(nine.size(), size_t{9});
            QCOMPARE(nine[4].substr(0, 11), std::string("TAXABLE 20%"));
            for (const std::string& line : nine) {
                QCOMPARE(line.size(), static_cast<size_t>(width));
            }
        }
        // A printer too narrow for both parts keeps the amount and a blank.
        QCOMPARE(sampleSale(8).front(), std::string("01 10:30"));
    }

    void thePreviewSkipsABlockWhosePrintFlagIsOffAndItsEmptyLines() {
        const std::vector<PreviewBlock> heading = {{true, {"  LOGO  ", "", "second   "}},
                                                   {false, {"ADDRESS"}}};
        const std::vector<PreviewBlock> closing = {{true, {"", ""}}, {true, {"BYE"}}};
        QStringList expected = {"  LOGO", "second", ""};
        for (const std::string& line : sampleSale(40)) {
            expected << QString::fromStdString(line);
        }
        expected << ""
                 << ""
                 << "BYE"
                 << "";
        QCOMPARE(previewLines(receiptPreview(heading, closing, 40)), expected);
    }

    void thePreviewShowsTheMessagesAsThePageHoldsThem() {
        QVERIFY(start(kKR301));
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        QCOMPARE(set.CharactersPerLine(), 40);
        QStringList expected = {
            "CORNER MARKET",    "fresh every day",     "", "12 Harbour Road - Portside",
            "Tel 0123 456 789", "VAT no. 123 4567 89", ""};
        for (const std::string& line : sampleSale(40)) {
            expected << QString::fromStdString(line).trimmed();
        }
        expected << ""
                 << "Thank you for shopping with us"
                 << "Loyalty card: ask at the till"
                 << "Coffee bar open 7am - 6pm"
                 << ""
                 << "Please keep your receipt"
                 << "Please come again"
                 << "";
        QCOMPARE(trimmed(previewLines(set.PreviewText())), expected);

        // The logo switched off leaves no line of it; an edited line shows as typed.
        option(itemOf(set, kMessageMenu, 1), "No print")->click();
        retype(fieldOf(itemOf(set, kMessageMenu, 15, 13)->Control()), "See you soon");
        expected.erase(expected.begin(), expected.begin() + 3);
        expected[expected.size() - 2] = "See you soon";
        QCOMPARE(trimmed(previewLines(set.PreviewText())), expected);
    }

    void thePreviewOfAWiderPrinterHasNineSaleEntries() {
        QVERIFY(start(kKR420));
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        QCOMPARE(set.CharactersPerLine(), 48);
        const QStringList lines = previewLines(set.PreviewText());
        QVERIFY(lines.contains(QString::fromStdString(sampleSale(48)[4])));
        QCOMPARE(lines.size(), 24);
    }

    void thePreviewDialogShowsTheTextInAFixedPitchAsWideAsThePrinter() {
        QVERIFY(start(kKR420));
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        PreviewDialog preview(set.PreviewText(), set.CharactersPerLine());
        QCOMPARE(preview.windowTitle(), QStringLiteral("Preview receipt"));
        const QPlainTextEdit& text = preview.Text();
        QVERIFY(text.isReadOnly());
        QCOMPARE(text.font().family(), QStringLiteral("Courier"));
        QCOMPARE(text.toPlainText(), QString::fromStdString(set.PreviewText()).remove('\r'));
        // Every character as wide as the next, so the columns line up as on the printer (a
        // monospace font may have a few wider glyphs elsewhere, which fontconfig then does not
        // call fixed-pitch).
        for (const QChar shown : text.toPlainText()) {
            if (shown.isPrint()) {
                QCOMPARE(text.fontMetrics().horizontalAdvance(shown),
                         text.fontMetrics().horizontalAdvance(QLatin1Char('0')));
            }
        }
        const QStringList problems = tk73editortest::screenshotPages(preview, "rcpt-preview");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY(!text.horizontalScrollBar()->isVisible());
        const QString line = QString::fromStdString(sampleSale(48).front());
        const int needed = text.fontMetrics().horizontalAdvance(line);
        QVERIFY(needed <= text.viewport()->width());
        // No wider than the line, its margins and a scroll bar.
        QVERIFY(text.width() < needed + 4 * text.fontMetrics().averageCharWidth() +
                                   text.verticalScrollBar()->sizeHint().width() + 24);
    }

    void thePreviewButtonOpensThePreview() {
        QVERIFY(start(kKR301));
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        set.show();
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown = preview->windowTitle();
                preview->accept();
            }
        });
        buttonIn(&set, "Preview")->click();
        QCOMPARE(shown, QStringLiteral("Preview receipt"));
    }

    void theMessageButtonsTakeTheirCaptionsFromTheDefinition_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("withoutCaptions");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("logoOn");
        QTest::addColumn<QString>("logoOff");
        QTest::newRow("KR301") << kKR301 << false << "Print"
                               << "No print"
                               << "Print"
                               << "No print";
        // A store definition that lost the caption section shows the keys' defaults.
        QTest::newRow("KR301 without captions") << kKR301 << true << "LABELON"
                                                << "LABELOFF"
                                                << "Print"
                                                << "No print";
        QTest::newRow("KR420") << kKR420 << false << "Printed"
                               << "Not printed"
                               << "Logo on"
                               << "Logo off";
        QTest::newRow("KR150") << kKR150 << false << "Yes"
                               << "No"
                               << "Print"
                               << "No print";
    }
    void theMessageButtonsTakeTheirCaptionsFromTheDefinition() {
        QFETCH(int, model);
        QFETCH(bool, withoutCaptions);
        QFETCH(QString, on);
        QFETCH(QString, off);
        QFETCH(QString, logoOn);
        QFETCH(QString, logoOff);
        QVERIFY(start(model));
        if (withoutCaptions) {
            QCOMPARE(tk73_WritePrivateProfileStringA("CAPTION_PGM_MENU_006", nullptr, nullptr,
                                                     session_->context.DefinitionFile().c_str()),
                     1);
        }
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        // Block b's print flag is item 4b + 1 in record b + 1.
        for (const int block : {0, 1}) {  // the logo message and the address
            tk73editor::PageItem* print = itemOf(set, kMessageMenu, 4 * block + 1, block + 1);
            QVERIFY(option(print, qPrintable(on)));
            QVERIFY(option(print, qPrintable(off)));
        }
        for (const int block : {2, 3}) {  // the commercial and the bottom message
            tk73editor::PageItem* print = itemOf(set, kMessageMenu, 4 * block + 1, block + 1);
            QVERIFY(option(print, "Print"));
            QVERIFY(option(print, "No print"));
        }
        for (int logo = 1; logo <= kLogos; ++logo) {
            QVERIFY(option(itemOf(set, kLogoStatusMenu, logo), qPrintable(logoOn)));
            QVERIFY(option(itemOf(set, kLogoStatusMenu, logo), qPrintable(logoOff)));
        }
        // The shipped status: header and shop logo printed, bottom logo not.
        QVERIFY(option(itemOf(set, kLogoStatusMenu, 1), qPrintable(logoOn))->isChecked());
        QVERIFY(option(itemOf(set, kLogoStatusMenu, 3), qPrintable(logoOff))->isChecked());
    }

    void theMessagesSaveOnlyWhatWasEdited() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        option(itemOf(set, kMessageMenu, 5, 2), "No print")->click();
        retype(fieldOf(itemOf(set, kMessageMenu, 3, 3)->Control()), "since 1987");
        retype(fieldOf(itemOf(set, kMessageMenu, 2)->Control()), "3");
        retype(fieldOf(itemOf(set, kMessageMenu, kMultiplicationCharItem)->Control()), "*");
        option(itemOf(set, kLogoStatusMenu, 3), "Print")->click();
        QVERIFY(save(set));
        QVERIFY(expected.Write(kMessageMenu, 5, 2, uint64_t{0}));
        QVERIFY(expected.Write(kMessageMenu, 3, 3, std::string("since 1987")));
        QVERIFY(expected.Write(kMessageMenu, 2, 1, uint64_t{3}));
        QVERIFY(expected.Write(kMessageMenu, kMultiplicationCharItem, 1, std::string("*")));
        QVERIFY(expected.Write(kLogoStatusMenu, 3, 1, uint64_t{1}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void moreLinesThanTheBlockHoldsAreRefused() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        retype(fieldOf(itemOf(set, kMessageMenu, 2)->Control()), "4");
        set.accept();
        QCOMPARE(session_->script.textsOf(InteractionKind::Message),
                 std::vector<std::string>{
                     "Invalid values.\nPlease set the correct value.\n\nLogo message lines"});
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void restoreDefaultsShowsTheShippedMessagesAndWritesNothingUntilOk() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        MessagePageSet set(session_->context);
        QCOMPARE(set.Open(), 1);
        QLineEdit* line = fieldOf(itemOf(set, kMessageMenu, 3, 1)->Control());
        retype(line, "Other shop");
        session_->script.pressButton(Button::Ok);
        set.RestoreDefaults();
        QCOMPARE(line->text().trimmed(), QStringLiteral("CORNER MARKET"));
        set.reject();
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void theReceiptAndJournalOptionsAreBoundToTheirItems() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        auto set = create("RJ");
        QCOMPARE(set->Open(), 1);
        // Shipped: time, 24 hours and the consecutive number printed; no item counter.
        QVERIFY(option(itemOf(*set, kReceiptJournalMenu, 1), "Printing")->isChecked());
        QVERIFY(option(itemOf(*set, kReceiptJournalMenu, 2), "24 hour system")->isChecked());
        QVERIFY(option(itemOf(*set, kReceiptJournalMenu, 4), "NO")->isChecked());
        QVERIFY(option(itemOf(*set, kReceiptJournalMenu, 8), "Journal")->isChecked());
        // The general features hold a 12/24-hour setting too; the page says which this one is.
        QStringList notes;
        for (const QLabel* label : set->findChildren<QLabel*>()) {
            notes << label->text();
        }
        QCOMPARE(notes.filter(QStringLiteral("\"Time format\" of the general features")).size(), 1);
        option(itemOf(*set, kReceiptJournalMenu, 2), "12 hour system")->click();
        option(itemOf(*set, kReceiptJournalMenu, 7), "YES")->click();
        retype(fieldOf(itemOf(*set, kReceiptJournalMenu, kMachineNoItem)->Control()), "12");
        auto* calendar =
            qobject_cast<QComboBox*>(itemOf(*set, kReceiptJournalMenu, kCalendarItem)->Control());
        QCOMPARE(calendar->currentText(), QStringLiteral("Gregorian"));
        calendar->setCurrentIndex(2);
        emit calendar->activated(2);
        QVERIFY(save(*set));
        QVERIFY(expected.Write(kReceiptJournalMenu, 2, 1, uint64_t{0}));
        QVERIFY(expected.Write(kReceiptJournalMenu, 7, 1, uint64_t{1}));
        QVERIFY(expected.Write(kReceiptJournalMenu, kMachineNoItem, 1, uint64_t{12}));
        QVERIFY(expected.Write(kReceiptJournalMenu, kCalendarItem, 1, uint64_t{2}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void theOfficialReceiptIsBoundToItsItems() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        auto set = create("RC");
        QCOMPARE(set->Open(), 1);
        QCOMPARE(fieldOf(itemOf(*set, kOfficialReceiptMenu, kReceiptTitleItem)->Control())->text(),
                 QStringLiteral("RECEIPT"));
        QCOMPARE(
            fieldOf(itemOf(*set, kOfficialReceiptMenu, kReceiptLinesItem, 4)->Control())->text(),
            QStringLiteral("Portside"));
        retype(fieldOf(itemOf(*set, kOfficialReceiptMenu, kReceiptLinesItem, 3)->Control()),
               "1 Quay Street");
        option(itemOf(*set, kOfficialReceiptMenu, kReceiptPrintItem), "No print")->click();
        QVERIFY(save(*set));
        QVERIFY(expected.Write(kOfficialReceiptMenu, kReceiptLinesItem, 3,
                               std::string("1 Quay Street")));
        QVERIFY(expected.Write(kOfficialReceiptMenu, kReceiptPrintItem, 1, uint64_t{0}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void reportsAreRenamedOnlyWhereTheDefinitionAllowsIt_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("rename");
        QTest::newRow("KR301 TRUE") << kKR301 << true;
        QTest::newRow("KR420 FALSE") << kKR420 << false;
        QTest::newRow("KR150 none") << kKR150 << false;
    }
    void reportsAreRenamedOnlyWhereTheDefinitionAllowsIt() {
        QFETCH(int, model);
        QFETCH(bool, rename);
        QVERIFY(start(model));
        auto set = create("RP");
        QCOMPARE(set->Open(), 1);
        for (int report = 1; report <= 12; ++report) {
            QLineEdit* name =
                fieldOf(itemOf(*set, kReportMenu, kReportNameItem, report)->Control());
            QCOMPARE(name->isReadOnly(), !rename);
        }
    }

    void theReportsAndTheAllXzOrderAreBoundToTheirItems() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        auto set = create("RP");
        QCOMPARE(set->Open(), 1);
        auto* steps = set->Pages()[1];
        QCOMPARE(steps->Items().size(), size_t{10});
        auto* eighth = qobject_cast<QComboBox*>(itemOf(*set, kAllXzMenu, kAllXzItem, 8)->Control());
        QCOMPARE(eighth->currentText(), QStringLiteral("None"));
        QCOMPARE(qobject_cast<QComboBox*>(itemOf(*set, kAllXzMenu, kAllXzItem, 7)->Control())
                     ->currentText(),
                 QStringLiteral("HOURLY"));
        eighth->setCurrentIndex(7);
        emit eighth->activated(7);
        retype(fieldOf(itemOf(*set, kReportMenu, kReportNameItem, 12)->Control()), "GT");
        auto* zeroes = itemOf(*set, kReportMenu, 4, 1)->Control();
        QVERIFY(!qobject_cast<QAbstractButton*>(zeroes)->isChecked());
        qobject_cast<QAbstractButton*>(zeroes)->click();
        QVERIFY(save(*set));
        QVERIFY(expected.Write(kAllXzMenu, kAllXzItem, 8, uint64_t{7}));
        QVERIFY(expected.Write(kReportMenu, kReportNameItem, 12, std::string("GT")));
        QVERIFY(expected.Write(kReportMenu, 4, 1, uint64_t{1}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void popMessagesAreBoundToTheirItems() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        auto set = create("PP");
        QCOMPARE(set->Open(), 1);
        QCOMPARE(set->Pages().size(), size_t{2});
        QVERIFY(option(itemOf(*set, kPopMenu, kPopSizeItem, 1), "Double")->isChecked());
        QCOMPARE(fieldOf(itemOf(*set, kPopMenu, kPopTextItem, 10)->Control())->text(),
                 QStringLiteral("Gift cards here"));
        retype(fieldOf(itemOf(*set, kPopMenu, kPopTextItem, 7)->Control()), "Summer BBQ");
        option(itemOf(*set, kPopMenu, kPopSizeItem, 7), "Double")->click();
        QVERIFY(save(*set));
        QVERIFY(expected.Write(kPopMenu, kPopTextItem, 7, std::string("Summer BBQ")));
        QVERIFY(expected.Write(kPopMenu, kPopSizeItem, 7, uint64_t{2}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void everyPageSetShowsItsControlsWhole_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("flag");
        for (const char* flag : {"RJ", "RM", "RC", "RP", "PP"}) {
            QTest::newRow(flag) << kKR301 << flag;
        }
        QTest::newRow("RM KR420") << kKR420 << "RM";
    }
    void everyPageSetShowsItsControlsWhole() {
        QFETCH(int, model);
        QFETCH(QString, flag);
        QVERIFY(start(model));
        const std::string name =
            "rcpt-" + flag.toStdString() + (model == kKR301 ? "" : "-KR" + std::to_string(model));
        const QStringList problems = renderedPages(flag.toStdString(), name);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void numbersFillTheirPlacesWithoutBeingAFormat() {
        QCOMPARE(tk73editor::fillNumbers("Step %d", 3), std::string("Step 3"));
        QCOMPARE(tk73editor::fillNumbers("%d-%d %s %d", 1, 5), std::string("1-5 %s %d"));
    }
};

QTEST_MAIN(ReceiptEditorTest)
#include "receipt_editor_test.moc"
