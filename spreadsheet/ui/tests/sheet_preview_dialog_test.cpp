// The preview of a spreadsheet import as the user sees and uses it, offscreen, on a real preview
// of an edited sheet against a copy of a shipped PLU file: the changes and the refused rows on
// their tabs, sorting by a column, the buttons the refusals allow, and the rendering check. The
// picture lands in the build folder.

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "spreadsheet/ui/sheet_preview_dialog.h"
#include "tests/support/temp_environment.h"
#include "tests/ui_checks/rendered_window.h"
#include "tk73_source_dir.h"

namespace {

using tk73test::TempEnvironment;

QString cell(const QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

}  // namespace

class SheetPreviewDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsChangesAndRefusalsAndOffersTheValidRowsOnly() {
        TempEnvironment env;
        const std::string model = std::string(TK73_SOURCE_DIR) + "/install/register/KR150";
        const std::string plu = env.path("FILE004P.TXT");
        std::filesystem::copy_file(model + "/DEFAULT/FILE004P.TXT", plu);
        const std::string sheet = env.path("prices.csv");
        TempEnvironment::writeFile(sheet,
                                   "Record,PLU name,Unit price\n"
                                   "3,Baguette,2.95\n"
                                   "1,Sourdough large,4.49\n"
                                   "2,Rye bread,2.7x\n"
                                   "4,Croissant,1.35\n");
        const tk73sheet::ProgramSheet target{model + "/KR150.INI", 0, "KR150", 4, "PLU", plu};
        tk73sheet::ImportPreview preview;
        std::string error;
        QVERIFY2(tk73sheet::previewImport(target, sheet, preview, error), error.c_str());

        tk73sheetui::SheetPreviewDialog dialog(preview, "PLU");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto* tabs = dialog.findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(0), QStringLiteral("Changes (4)"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Refused rows (1)"));
        QTableView* changes = dialog.Changes();
        QCOMPARE(changes->model()->rowCount(), 4);
        // Sorted by record first, whatever the sheet's order.
        QCOMPARE(cell(changes, 0, 0), QStringLiteral("1"));
        QCOMPARE(cell(changes, 0, 1), QStringLiteral("PLU name"));
        QCOMPARE(cell(changes, 0, 2), QStringLiteral("Sourdough loaf"));
        QCOMPARE(cell(changes, 0, 3), QStringLiteral("Sourdough large"));
        QCOMPARE(cell(changes, 3, 0), QStringLiteral("4"));
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/sheet_preview_dialog.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // A click on a column's title sorts by it.
        QTest::mouseClick(changes->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(changes->horizontalHeader()->sectionViewportPosition(3) + 5, 5));
        QCOMPARE(changes->horizontalHeader()->sortIndicatorSection(), 3);
        QCOMPARE(cell(dialog.Refusals(), 0, 0), QStringLiteral("4"));
        QCOMPARE(cell(dialog.Refusals(), 0, 1), QStringLiteral("Unit price"));
        QCOMPARE(cell(dialog.Refusals(), 0, 2), QStringLiteral("\"2.7x\" is not a number"));

        const auto* apply = dialog.findChild<QPushButton*>(QStringLiteral("apply"));
        auto* validOnly = dialog.findChild<QPushButton*>(QStringLiteral("validOnly"));
        QVERIFY(!apply->isEnabled());
        QVERIFY(validOnly != nullptr && validOnly->isEnabled());
        validOnly->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.Choice() == tk73sheet::ApplyChoice::ValidRowsOnly);
    }

    void withoutRefusalsOnlyApplyIsOffered() {
        tk73sheet::ImportPreview preview;
        tk73sheet::SheetColumn name;
        name.title = "PLU name";
        preview.columns = {name};
        preview.changes = {
            {5, 6, 0, "Scone", "Scone plain", "Scone           ", "Scone plain     "}};
        preview.changedRecords = 1;
        preview.unchangedRecords = 199;
        tk73sheetui::SheetPreviewDialog dialog(preview, "PLU");
        dialog.show();
        auto* apply = dialog.findChild<QPushButton*>(QStringLiteral("apply"));
        QVERIFY(apply->isEnabled());
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("validOnly")) == nullptr);
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("summary"))
                    ->text()
                    .startsWith(QStringLiteral(
                        "1 field changes in 1 record; 199 records stay as they are.")));
        apply->click();
        QVERIFY(dialog.Choice() == tk73sheet::ApplyChoice::AllOrNothing);
    }
};

QTEST_MAIN(SheetPreviewDialogTest)
#include "sheet_preview_dialog_test.moc"
