#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "base/ui/qt_user_interaction.h"
#include "base/ui/testing/modal_probe.h"
#include "programfiles/ui/merge_setting_data_dlg.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

// 250 lines: PLU records 1 to 244, then one line of each other kind; every third line differs
// only in its name.
std::vector<tagMISMATCHINFO> mismatches() {
    std::vector<tagMISMATCHINFO> lines;
    for (int record = 1; record <= 244; ++record) {
        lines.push_back({4, record, "Vek item " + std::to_string(record),
                         "Item " + std::to_string(record), record % 3 == 0 ? 0 : 1});
    }
    lines.push_back({5, 3, "Beverages", "Beverages", 1});
    lines.push_back({5, 7, "Magazines", "Magazines", 1});
    lines.push_back({7, 4, "Chloe", "Chlo\xE9", 0});
    lines.push_back({25, 2, "Tax table 2", "Tax table 2", 1});
    lines.push_back({28, 3, "Coffee+cake", "Coffee+cake", 1});
    lines.push_back({26, 2, "Bread", "Bread", 1});
    return lines;
}

const std::vector<int> kGroups = {4, 5, 7, 25, 28, 26};

QRadioButton* radio(QWidget* dialog, const char* text) {
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
        if (button->text() == QString::fromLatin1(text)) {
            return button;
        }
    }
    return nullptr;
}

QCheckBox* check(QWidget* dialog, const char* text) {
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
        if (box->text() == QString::fromLatin1(text)) {
            return box;
        }
    }
    return nullptr;
}

void pressOk(QWidget* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

// Answers the next question box with the button, and notes its text.
void answerQuestion(QMessageBox::StandardButton answer, QString* text) {
    tk73test::whenModal<QMessageBox>([answer, text](QMessageBox* box) {
        *text = box->text();
        box->button(answer)->click();
    });
}

}  // namespace

class MergeDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { tk73::installUserInteraction(&ui_); }
    void cleanup() { tk73::installUserInteraction(nullptr); }

    void showsAHundredLinesAPageAndReadsAsLaidOut() {
        CMergeSettingDataDlg dialog(nullptr, mismatches(), {4, 5, 7});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Merge VEK/ECR setting"));
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("mismatchList"));
        auto* page = dialog.findChild<QSpinBox*>(QStringLiteral("pageSpin"));
        auto* range = dialog.findChild<QLabel*>(QStringLiteral("rangeText"));
        QCOMPARE(list->topLevelItemCount(), 100);
        QCOMPARE(page->maximum(), 3);
        QCOMPARE(range->text(), QStringLiteral("Total 250, now 1 - 100 display"));
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Menu(PLU)"));
        QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("Different"));
        QCOMPARE(list->topLevelItem(2)->text(4), QString());

        page->setValue(3);
        QCOMPARE(list->topLevelItemCount(), 50);
        QCOMPARE(range->text(), QStringLiteral("Total 250, now 201 - 250 display"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("201"));
        // The names are the installation's code page.
        QCOMPARE(list->topLevelItem(46)->text(3), QStringLiteral("Chlo\u00e9"));
        QCOMPARE(list->topLevelItem(49)->text(0), QStringLiteral("Pull-down link"));

        // Groups without differences have nothing to copy.
        QVERIFY(check(&dialog, "PLU")->isChecked());
        QVERIFY(!check(&dialog, "Tax Table")->isEnabled());
        QVERIFY(!check(&dialog, "Pull-down list")->isChecked());
        QVERIFY(radio(&dialog, "No merge")->isChecked());

        const QStringList problems = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/merge_setting_data_dlg.png"));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void staysOpenOnNoAndClosesWithTheChoicesOnYes() {
        CMergeSettingDataDlg dialog(nullptr, mismatches(), kGroups);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        radio(&dialog, "Use VEK setting into ECR")->click();
        check(&dialog, "Dept")->click();
        QString question;
        answerQuestion(QMessageBox::No, &question);
        pressOk(&dialog);
        QCOMPARE(question, QStringLiteral("Merge VEK programming data to REG data. Are you sure?"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);

        answerQuestion(QMessageBox::Yes, &question);
        pressOk(&dialog);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetCheck_RdoMergeFromVekToReg(), 1);
        QCOMPARE(dialog.GetCheck_RdoNoMerge(), 0);
        QCOMPARE(dialog.GetCheck_RdoMergeFromRegToVek(), 0);
        QCOMPARE(dialog.GetCheck_ChkbtnPLU(), 1);
        QCOMPARE(dialog.GetCheck_ChkbtnSection(), 0);
        QCOMPARE(dialog.GetCheck_ChkbtnCasher(), 1);
        QCOMPARE(dialog.GetCheck_ChkbtnTaxTable(), 1);
        QCOMPARE(dialog.GetCheck_ChkbtnSetMenu(), 1);
        QCOMPARE(dialog.GetCheck_ChkbtnPullDown(), 1);
    }

    void answersTheMergesRequestThroughTheUserInteraction() {
        CMergeSettingDataDlg::Register(ui_);
        CMergeSettingDataRequest request(mismatches(), kGroups);
        QString question;
        tk73test::whenModal<CMergeSettingDataDlg>([&question](CMergeSettingDataDlg* dialog) {
            radio(dialog, "Use ECR setting into VEK")->click();
            check(dialog, "Setmenu")->click();
            answerQuestion(QMessageBox::Yes, &question);
            pressOk(dialog);
        });
        QCOMPARE(tk73::ui().showDialog(request), tk73::Button::Ok);
        QCOMPARE(question, QStringLiteral("Merge REG programming data to VEK data. Are you sure?"));
        QVERIFY(request.choice == MergeChoice::RegToVek);
        QCOMPARE(request.IsChecked(28), 0);
        QCOMPARE(request.IsChecked(26), 1);

        CMergeSettingDataRequest cancelled(mismatches(), kGroups);
        tk73test::whenModal<CMergeSettingDataDlg>(
            [](CMergeSettingDataDlg* dialog) { dialog->reject(); });
        QCOMPARE(tk73::ui().showDialog(cancelled), tk73::Button::Cancel);
        QVERIFY(cancelled.choice == MergeChoice::NoMerge);
    }

  private:
    tk73::QtUserInteraction ui_;
};

QTEST_MAIN(MergeDialogTest)
#include "merge_setting_data_dlg_test.moc"
