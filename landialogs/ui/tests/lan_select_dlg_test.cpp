// The select dialogs as the user sees and uses them, offscreen: the heading names the work, the
// search as the dialog opens lists each answering machine once with the first one checked, OK
// with nothing checked asks for a choice and stays open, "Select all" then OK takes every
// machine; the combined dialog of the controller tool lists controllers and registers apart, a
// controller of the store that does not answer with its machine number "(Unknown)"; and the
// rendering check.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "landialogs/testing/controller_tool_running.h"
#include "landialogs/ui/lan_select_dlg.h"
#include "platform/registry_hive.h"
#include "storedb/edb_model.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/testing/machines_in_use.h"
#include "storedb/testing/store_test_environment.h"
#include "tests/ui_checks/rendered_window.h"
#include "tools/regsim/register_simulator.h"
#include "tools/veksim/controller_simulator.h"

namespace {

QPushButton* buttonOf(const QWidget& dialog, const char* text, int which = 0) {
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text().remove(QLatin1Char('&')) == QLatin1String(text) && which-- == 0) {
            return candidate;
        }
    }
    return nullptr;
}

void press(const QWidget& dialog, const char* text, int which = 0) {
    QPushButton* button = buttonOf(dialog, text, which);
    QVERIFY2(button != nullptr, text);
    button->click();
}

std::vector<QTreeWidget*> listsOf(const QWidget& dialog) {
    const QList<QTreeWidget*> found = dialog.findChildren<QTreeWidget*>();
    return std::vector<QTreeWidget*>(found.begin(), found.end());
}

QStringList labelsOf(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

}  // namespace

class LanSelectDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env_ = std::make_unique<storetest::StoreTestEnvironment>();
        QVERIFY(
            tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                      "BroadcastAddress", "127.19.29.1,127.19.29.2,127.19.29.3"));
        for (const char* address : {"127.19.29.1", "127.19.29.2"}) {
            tk73regsim::Options options;
            options.address = address;
            options.folder = env_->temp().path(address);
            std::filesystem::create_directories(options.folder);
            registers_.push_back(std::make_unique<tk73regsim::RegisterSimulator>(options));
            std::string error;
            QVERIFY2(registers_.back()->start(&error), error.c_str());
        }
        tk73veksim::Options options;
        options.address = "127.19.29.3";
        options.folder = env_->temp().path("controller");
        options.machineNo = "0004";
        options.modelCode = "KR3010";
        std::filesystem::create_directories(options.folder);
        controller_ = std::make_unique<tk73veksim::ControllerSimulator>(options);
        std::string error;
        QVERIFY2(controller_->start(&error), error.c_str());
    }

    void cleanup() {
        controller_.reset();
        registers_.clear();
        env_.reset();
    }

    void registersFoundAreListedAndOkNeedsACheckedOne() {
        tk73test::ScriptedUserInteraction ui;
        tk73lan::LanSelectRequest request(0, false, "Select ECR", "KR3010", false);
        CLanSelectDlg dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(labelsOf(dialog),
                 (QStringList{QStringLiteral("Data send"), QStringLiteral("Send to")}));
        QTreeWidget* list = listsOf(dialog).at(0);
        // The search runs off the window's thread: the window shows that it searches, and the
        // user can work it meanwhile, but not start a second search.
        auto* searching = dialog.findChild<QProgressBar*>(QStringLiteral("searching"));
        QVERIFY(searching != nullptr);
        QTRY_VERIFY(searching->isVisible());
        QVERIFY(!buttonOf(dialog, "Search again")->isEnabled());
        press(dialog, "Select all");
        QTRY_VERIFY_WITH_TIMEOUT(!searching->isVisible(), 5000);
        QVERIFY(buttonOf(dialog, "Search again")->isEnabled());
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Checked);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Unchecked);
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/lan_select_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        press(dialog, "Un select all");
        press(dialog, "OK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(ui.textsOf(tk73test::InteractionKind::Message),
                 std::vector<std::string>{"Not selected ECR. Please select ECR."});
        press(dialog, "Select all");
        press(dialog, "OK");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(request.chosen().size(), size_t{2});
    }

    void theControllerToolsCombinedDialogListsControllersAndRegistersApart() {
        tk73test::ScriptedUserInteraction ui;
        const tk73lantest::ControllerToolRunning tool;
        // The first table made creates the controller tool's database folder.
        const CTK73edbModel models;
        // The store knows two controllers by address; one of them answers the search.
        constexpr int kStoreNo = 5;
        CTK73edbVek table(kStoreNo);
        QCOMPARE(storetest::listMachinesInUse(table, {"127.19.29.7", "127.19.29.3"}), 1);
        tk73lan::LanSelectPairRequest request(kStoreNo, "Select target machine", true);
        CLanSelectDlg dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(labelsOf(dialog),
                 (QStringList{QStringLiteral("Data receive"), QStringLiteral("Receive from")}));
        const auto lists = listsOf(dialog);
        QCOMPARE(lists.size(), size_t{2});
        QTRY_COMPARE_WITH_TIMEOUT(lists[1]->topLevelItemCount(), 2, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(lists[0]->topLevelItem(1)->text(1), QStringLiteral("0004"), 5000);
        QCOMPARE(lists[0]->topLevelItemCount(), 2);
        QCOMPARE(lists[0]->topLevelItem(0)->text(0), QStringLiteral("127.19.29.7"));
        QCOMPARE(lists[0]->topLevelItem(0)->text(1), QStringLiteral("(Unknown)"));
        QCOMPARE(lists[0]->topLevelItem(1)->text(0), QStringLiteral("127.19.29.3"));
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/lan_select_pair_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        press(dialog, "Un select all", 0);
        press(dialog, "Un select all", 1);
        press(dialog, "OK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(ui.textsOf(tk73test::InteractionKind::Message),
                 std::vector<std::string>{"Not selected ECR or VEK. Please select ECR or VEK."});
        press(dialog, "Select all", 0);
        press(dialog, "OK");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(request.controllers().chosen(),
                 (std::vector<std::string>{"127.19.29.7", "127.19.29.3"}));
        QVERIFY(request.registers().chosen().empty());
    }

    // A send whose caller previews the changes: the column shows each register's changed
    // records or "not known"; "Send only the files that changed" follows the checked registers
    // (on only while every one is known) until the user chooses, and then keeps the choice;
    // "Changes..." lists the current register's fields and the files not known.
    void aPreviewedSendShowsTheChangesAndOffersOnlyWhatChanged() {
        tk73test::ScriptedUserInteraction ui;
        tk73lan::LanSelectRequest request(0, false, "Select ECR", "KR3010", false);
        std::vector<std::string> asked;
        request.setPreview([&asked](const std::string& address) {
            asked.push_back(address);
            tk73lan::RegisterChanges changes;
            changes.known = address == "127.19.29.1";
            if (changes.known) {
                changes.changedRecords = 1;
                changes.fields = {{"FILE004P.TXT", 3, 33, "Unit price", "00000429", "00000449"}};
            } else {
                changes.unknownFiles = {"FILE005P.TXT"};
            }
            return changes;
        });
        CLanSelectDlg dialog(request);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTreeWidget* list = listsOf(dialog).at(0);
        auto* changedOnly = dialog.findChild<QCheckBox*>();
        QVERIFY(changedOnly != nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 2, 5000);
        const auto row = [list](const char* address) {
            return list->findItems(QString::fromLatin1(address), Qt::MatchExactly).value(0);
        };
        QVERIFY(row("127.19.29.1") != nullptr && row("127.19.29.2") != nullptr);
        QCOMPARE(row("127.19.29.1")->text(1), QStringLiteral("1"));
        QCOMPARE(row("127.19.29.2")->text(1), QStringLiteral("not known"));
        press(dialog, "Un select all");
        QVERIFY(!changedOnly->isChecked());
        row("127.19.29.1")->setCheckState(0, Qt::Checked);
        QVERIFY(changedOnly->isChecked());
        row("127.19.29.2")->setCheckState(0, Qt::Checked);
        QVERIFY(!changedOnly->isChecked());
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/lan_select_changes_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        QStringList listed;
        QTimer::singleShot(0, &dialog, [&] {
            auto* changes = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* rows = changes != nullptr
                             ? changes->findChild<QTreeWidget*>(QStringLiteral("changes"))
                             : nullptr;
            if (rows != nullptr) {
                listed << changes->windowTitle() << labelsOf(*changes);
                for (int row = 0; row < rows->topLevelItemCount(); ++row) {
                    for (int column = 0; column < rows->columnCount(); ++column) {
                        listed << rows->topLevelItem(row)->text(column);
                    }
                }
                changes->reject();
            }
        });
        list->setCurrentItem(row("127.19.29.2"));
        press(dialog, "Changes...");
        QCOMPARE(listed, (QStringList{"Changes - 127.19.29.2",
                                      "What a send changes on 127.19.29.2: 0 changed records.\nNot "
                                      "known (the register has no copy yet): FILE005P.TXT"}));
        listed.clear();
        QTimer::singleShot(0, &dialog, [&] {
            auto* changes = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* rows = changes != nullptr
                             ? changes->findChild<QTreeWidget*>(QStringLiteral("changes"))
                             : nullptr;
            for (int column = 0; rows != nullptr && column < rows->columnCount(); ++column) {
                listed << rows->topLevelItem(0)->text(column);
            }
            if (changes != nullptr) {
                changes->reject();
            }
        });
        list->setCurrentItem(row("127.19.29.1"));
        press(dialog, "Changes...");
        QCOMPARE(listed,
                 (QStringList{"FILE004P.TXT", "3", "33", "Unit price", "00000429", "00000449"}));

        // The user's choice stays whatever is checked afterwards.
        changedOnly->click();
        QVERIFY(changedOnly->isChecked());
        press(dialog, "Un select all");
        press(dialog, "Select all");
        QVERIFY(changedOnly->isChecked());
        press(dialog, "OK");
        QVERIFY(!dialog.isVisible());
        QVERIFY(request.sendChangedOnly());
        // Each register's changes were worked out once.
        std::sort(asked.begin(), asked.end());
        QCOMPARE(asked, (std::vector<std::string>{"127.19.29.1", "127.19.29.2"}));
    }

  private:
    std::unique_ptr<storetest::StoreTestEnvironment> env_;
    std::vector<std::unique_ptr<tk73regsim::RegisterSimulator>> registers_;
    std::unique_ptr<tk73veksim::ControllerSimulator> controller_;
};

QTEST_MAIN(LanSelectDialogTest)
#include "lan_select_dlg_test.moc"
