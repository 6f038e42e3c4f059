// The file selection dialog as the user sees and uses it, offscreen: the offered files by name
// with their numbers in a hidden column, OK without a row warning and staying open, Enter and a
// double click choosing the row, and the rendering check. The picture lands in the build folder.

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "csvexchange/ui/select_file_dlg.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

using tk73xch::FileSelectRequest;

FileSelectRequest exportRequest() {
    FileSelectRequest request;
    request.rows = {{4, "PLU"}, {5, "Department"}, {92, "Data integration format"}};
    return request;
}

QTreeWidget* filesOf(const QDialog& dialog) {
    return dialog.findChild<QTreeWidget*>(QStringLiteral("files"));
}

}  // namespace

class SelectFileDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheNamesAndKeepsTheNumbersHidden() {
        FileSelectRequest request = exportRequest();
        CSelectFileDlg dialog(request);
        QTreeWidget* files = filesOf(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select file"));
        QCOMPARE(files->topLevelItemCount(), 3);
        QCOMPARE(files->headerItem()->text(0), QStringLiteral("File No."));
        QCOMPARE(files->headerItem()->text(1), QStringLiteral("File name"));
        QVERIFY(files->isColumnHidden(0));
        QCOMPARE(files->columnWidth(1), 280);
        QCOMPARE(files->topLevelItem(2)->text(0), QStringLiteral("092"));
        QCOMPARE(files->topLevelItem(2)->text(1), QStringLiteral("Data integration format"));
        QCOMPARE(files->topLevelItem(0)->checkState(1), Qt::Unchecked);
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/select_file_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void okWithoutARowWarnsAndStaysOpen() {
        tk73test::ScriptedUserInteraction ui;
        FileSelectRequest request = exportRequest();
        CSelectFileDlg dialog(request);
        dialog.show();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ui.textsOf(tk73test::InteractionKind::Message),
                 std::vector<std::string>{"File is not selected."});
        QCOMPARE(ui.calls().front().caption, std::string("CSV operation"));
        QCOMPARE(request.fileNo, -1);
    }

    void enterOnTheListChoosesTheSelectedRow() {
        FileSelectRequest request = exportRequest();
        CSelectFileDlg dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTreeWidget* files = filesOf(dialog);
        files->setFocus();
        files->setCurrentItem(files->topLevelItem(2));
        QTest::keyClick(files, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(request.fileNo, 92);
    }

    void aDoubleClickChoosesTheRow() {
        FileSelectRequest request = exportRequest();
        CSelectFileDlg dialog(request);
        QTreeWidget* files = filesOf(dialog);
        files->setCurrentItem(files->topLevelItem(1));
        emit files->itemDoubleClicked(files->topLevelItem(1), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(request.fileNo, 5);
    }
};

QTEST_MAIN(SelectFileDialogTest)
#include "select_file_dlg_test.moc"
