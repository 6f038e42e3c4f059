// The run dialog as the user sees and uses it, offscreen: the transfers run on the worker thread
// as it opens, under a busy indicator with the controller dialog's notice; "Exec again one" runs
// a failed row alone and refuses a done row or no row; the dialog closes itself once every row
// is done; leaving with a failed row asks first, No preselected; and the rendering check.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTreeWidget>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "landialogs/lan_task.h"
#include "landialogs/ui/lan_run_dlg.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

// Machine 2 fails as often as failures says, the others always succeed. While hold is set every
// transfer waits, so that a test sees the dialog at work. Calls are counted per machine.
std::atomic<int> g_failures{0};
std::atomic<bool> g_hold{false};
std::array<std::atomic<int>, 4> g_calls{};

int TK73_API transfer(int machineNo, void*, const char*, const char*, const char*, char* message,
                      char*) {
    while (g_hold) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ++g_calls.at(static_cast<size_t>(machineNo));
    if (machineNo == 2 && g_failures > 0) {
        --g_failures;
        std::snprintf(message, 4096, "Failed to communicate with the register");
        return -1;
    }
    std::snprintf(message, 4096, "Normal End.");
    return 1;
}

void resetCalls() {
    for (std::atomic<int>& calls : g_calls) {
        calls = 0;
    }
}

std::array<int, 4> callsPerMachine() {
    return {g_calls[0], g_calls[1], g_calls[2], g_calls[3]};
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

// The texts of the dialog's labels that can be seen.
QStringList visibleLabels(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisible()) {
            texts << label->text();
        }
    }
    return texts;
}

}  // namespace

class LanRunDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void aFailedRowRunAgainAloneLetsTheDialogCloseItself() {
        tk73test::ScriptedUserInteraction ui;
        g_failures = 1;
        resetCalls();
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
        QVERIFY(!dialog.findChild<QProgressBar*>()->isVisible());
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/lan_run_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        // A register that took its files is not sent them again, and one must be chosen.
        list->setCurrentItem(list->topLevelItem(0));
        button(dialog, "Exec again one")->click();
        QCOMPARE(ui.calls().back().text, std::string("Select error end ECR."));
        list->setCurrentItem(nullptr);
        button(dialog, "Exec again one")->click();
        QCOMPARE(ui.calls().back().text, std::string("Select ECR."));
        QCOMPARE(g_calls[1].load(), 1);

        list->setCurrentItem(list->topLevelItem(1));
        button(dialog, "Exec again one")->click();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Normal end."), 10000);
        QCOMPARE(list->topLevelItem(1)->text(4), QStringLiteral("Normal End."));
        QCOMPARE(callsPerMachine(), (std::array<int, 4>{0, 1, 2, 1}));
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
        QCOMPARE(request.endCode, tk73lan::LanRunRequest::kAllDone);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void theControllerDialogSaysItIsAtWorkAndLeavingWithAFailedRowAsks() {
        tk73test::ScriptedUserInteraction ui;
        g_failures = 100;
        resetCalls();
        g_hold = true;
        auto tasks = tk73lan::parseTaskLines(
            "000,Brch,000,Store,001,127.0.0.1\n000,Brch,000,Store,002,127.0.0.2");
        tk73lan::LanRunRequest request(tasks, "Receiving", true, transfer, nullptr);
        CLanRunDlg dialog(request);
        // A failing check must not leave the worker waiting for ever.
        const auto release = qScopeGuard([] { g_hold = false; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY_WITH_TIMEOUT(dialog.findChild<QProgressBar*>()->isVisible(), 5000);
        QCOMPARE(visibleLabels(dialog),
                 QStringList{QStringLiteral("Communicating to VEK Controller")});
        QVERIFY(!button(dialog, "Exec again one")->isEnabled());
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/lan_run_dlg_busy.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        g_hold = false;
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(ui, "Error end some of Controler box."), 10000);
        QVERIFY(visibleLabels(dialog).isEmpty());
        QVERIFY(!dialog.findChild<QProgressBar*>()->isVisible());

        auto* list = dialog.findChild<QTreeWidget*>();
        list->setCurrentItem(list->topLevelItem(0));
        button(dialog, "Exec again one")->click();
        QCOMPARE(ui.calls().back().text,
                 std::string("Please select the controller box which is error."));
        list->setCurrentItem(nullptr);
        button(dialog, "Exec again one")->click();
        QCOMPARE(ui.calls().back().text, std::string("Please select controller to execute."));
        QCOMPARE(callsPerMachine(), (std::array<int, 4>{0, 1, 1, 0}));

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
