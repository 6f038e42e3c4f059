// The range dialog of an import as the user sees it, offscreen: the question, which records keep
// their values when the file to read holds fewer, the two choices, and the rendering check.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "programfiles/pgm_import_range.h"
#include "programfiles/ui/import_range_dlg.h"
#include "tests/ui_checks/rendered_window.h"

class ImportRangeDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void theQuestionSaysWhichRecordsKeepTheirValuesAndTakesTheChoice() {
        tk73pgm::ImportRangeRequest request;
        request.recordNote = "Records 11 to 300 keep their values.";
        CImportRangeDlg dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* note = dialog.findChild<QLabel*>(QStringLiteral("recordNote"));
        QVERIFY(note != nullptr && note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("Records 11 to 300 keep their values."));
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/import_range_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        dialog.findChild<QRadioButton*>(QStringLiteral("basicOnly"))->setChecked(true);
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Read data.")) {
                button->click();
            }
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(request.range, tk73pgm::ImportRange::BasicOnly);

        // Files of the same size: no note.
        tk73pgm::ImportRangeRequest same;
        CImportRangeDlg plain(same);
        QVERIFY(plain.findChild<QLabel*>(QStringLiteral("recordNote")) == nullptr);
    }
};

QTEST_MAIN(ImportRangeDialogTest)
#include "import_range_dlg_test.moc"
