// The run dialog as the user sees and uses it, offscreen: the transfers run on the worker thread
// as it opens, a failed row is run again alone and the dialog closes itself once every row is
// done; leaving with a failed row asks first, No preselected; and the rendering check.

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "landialogs/lan_task.h"
#include "landialogs/ui/lan_run_dlg.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

// Machine 2 fails as often as failures says, the others always succeed.
std::atomic<int> g_failures{0};

int TK73_API transfer(int machineNo, void*, const char*, const char*, const char*, char* message,
                      char*) {
    if (machineNo == 2 && g_failures > 0) {
        --g_failures;
        std::snprintf(message, 4096, "Failed to communicate with the register");
        return -1;
    }
    std::snprintf(message, 4096, "Normal End.");
    return 1;
}

QPushButton* button(const QDialog& dialog, const char* text) {
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == QLatin1String(text)) {
            return candidate;
        }
    }
    return nullptr;
}

bool messageShown(const tk73test::ScriptedUserInteraction& ui, const std::string& text) {
    for (const std::string& shown : ui.textsOf(tk73test::InteractionKind::Message)) {
        if (shown == text) {
            return true;
        }
    }
    return false;
}

}  // namespace

class LanRunDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void aFailedRowRunAgainAloneLetsTheDialogCloseItself() {
        tk73test::ScriptedUserInteraction ui;
        g_failures = 1;
        auto tasks = tk73lan::parseTaskLines(
            "000,Brch,000,Store,001,127.0.0.1\n000,Brch,000,Store,002,"
            "127.0.0.2\n000,Brch,000,Store,003,127.0.0.3");
        tk73lan::LanRunRequest request(tasks, "Sending", false, transfer, nullptr);
        CLanRunDlg dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Error end some of Controler box."), 10000);
        auto* list = dialog.findChild<QTreeWidget*>();
        QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 1);
        QCOMPARE(list->topLevelItem(1)->text(4),
                 QStringLiteral("Failed to communicate with the register"));
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/lan_run_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        button(dialog, "Exec again one")->click();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Normal end."), 10000);
        QCOMPARE(list->topLevelItem(1)->text(4), QStringLiteral("Normal End."));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
        QCOMPARE(request.endCode, tk73lan::LanRunRequest::kAllDone);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void leavingWithAFailedRowAsksAndNoKeepsTheDialogOpen() {
        tk73test::ScriptedUserInteraction ui;
        g_failures = 100;
        auto tasks = tk73lan::parseTaskLines("000,Brch,000,Store,002,127.0.0.2");
        tk73lan::LanRunRequest request(tasks, "Receiving", true, transfer, nullptr);
        CLanRunDlg dialog(request);
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Error end some of Controler box."), 10000);
        ui.pressButton(tk73::Button::No);
        button(dialog, "Exit")->click();
        QVERIFY(dialog.isVisible());
        const auto calls = ui.calls();
        QCOMPARE(calls.back().text,
                 std::string("There are controller which is error end.\nAre you sure to exit "
                             "without execute to these controller?"));
        QCOMPARE(calls.back().defaultButton, tk73::Button::No);
        ui.pressButton(tk73::Button::Yes);
        button(dialog, "Exit")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(request.endCode, tk73lan::LanRunRequest::kLeftWithFailures);
    }
};

QTEST_MAIN(LanRunDialogTest)
#include "lan_run_dlg_test.moc"
