// The main shell's flows as a user meets them in TK73HUB, played inside the program by the agent
// (tests/programs/agent): hub_program_test.cpp starts the program on a staged installation and
// reads the report.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <chrono>
#include <fstream>
#include <iterator>
#include <memory>

#include "tests/programs/agent/program_agent.h"

namespace {

using namespace tk73agent;

const QString kTitle = QStringLiteral("ECR Setting Tool for LMX/TK series Ver1.00");
const QString kSaveModified = QStringLiteral("Setting file has modified. Do you want to save it?");

QWidget* mainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QStringLiteral("TK73HUBClass")) {
            return window;
        }
    }
    return nullptr;
}

// A visible window of the class, null when there is none.
QWidget* shownOfClass(const char* className) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->inherits(className)) {
            return window;
        }
    }
    return nullptr;
}

QAbstractButton* mainButton(const QString& name) {
    QWidget* window = mainWindow();
    return window != nullptr ? buttonIn(window, name) : nullptr;
}

// Presses a button of the main window once it is there and usable.
StepFunction pressMain(const QString& name) {
    return [name] {
        QAbstractButton* button = mainButton(name);
        if (button == nullptr || !button->isEnabled() || !button->window()->isEnabled()) {
            return false;
        }
        press(button);
        return true;
    };
}

// Checks the text of the message box and answers it.
StepFunction answerMessage(const QString& text, QMessageBox::StandardButton answer) {
    return [text, answer] {
        QMessageBox* box = shownMessage();
        if (box == nullptr) {
            return false;
        }
        check(box->text() == text, QStringLiteral("the message reads: ") + box->text());
        press(box->button(answer));
        return true;
    };
}

// Presses a button of the dialog with the title once the dialog shows.
StepFunction pressIn(const QString& title, const QString& button) {
    return [title, button] {
        QWidget* dialog = shownWindow(title);
        if (dialog == nullptr) {
            return false;
        }
        QAbstractButton* found = buttonIn(dialog, button);
        if (check(found != nullptr, QStringLiteral("no button ") + button + " in " + title)) {
            press(found);
        }
        return true;
    };
}

// In the SD card dialog, the card folder chosen from the drop-down as with the arrow keys, then
// OK.
StepFunction chooseCard(const std::string& folder) {
    return [folder] {
        QWidget* dialog = shownWindow(QStringLiteral("Open"));
        auto* folders = dialog != nullptr ? shownIn<QComboBox>(dialog, "cardFolders") : nullptr;
        if (folders == nullptr) {
            return false;
        }
        // The last entry is "Browse...", which the arrows must not reach.
        folders->setFocus();
        QTest::keyClick(folders, Qt::Key_Home);
        while (folders->currentText().toStdString() != folder &&
               folders->currentIndex() + 2 < folders->count()) {
            QTest::keyClick(folders, Qt::Key_Down);
        }
        check(folders->currentText().toStdString() == folder,
              QStringLiteral("the card is not on offer: ") + QString::fromStdString(folder));
        press(buttonIn(dialog, QStringLiteral("OK")));
        return true;
    };
}

// Chooses the entry of the menu that shows, as a click on it does.
StepFunction chooseFromMenu(const QString& entry) {
    return [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return false;
        }
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                const QPoint place = menu->actionGeometry(action).center();
                later([menu, place] { QTest::mouseClick(menu, Qt::LeftButton, {}, place); });
                return true;
            }
        }
        check(false, QStringLiteral("no menu entry ") + entry);
        return true;
    };
}

// Writes the file again, as an editor that saved does: with the text replaced where it is given,
// else with the bytes it holds.
StepFunction rewrite(const std::string& path, const std::string& from = {},
                     const std::string& to = {}) {
    return [path, from, to] {
        std::string bytes;
        {
            std::ifstream in(path, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), {});
        }
        const size_t at = from.empty() ? std::string::npos : bytes.find(from);
        check(from.empty() || at != std::string::npos,
              QStringLiteral("no ") + QString::fromStdString(from) + " in the file");
        if (at != std::string::npos) {
            bytes.replace(at, from.size(), to);
        }
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        check(!bytes.empty(),
              QStringLiteral("nothing to write again in ") + QString::fromStdString(path));
        return true;
    };
}

// The Save As dialog: it must start in the folder; then the name is typed and saved, or the
// dialog cancelled (empty name).
StepFunction saveAs(const std::string& folder, const QString& name) {
    return [folder, name] {
        auto* dialog = qobject_cast<QFileDialog*>(shownWindow(QStringLiteral("Save As")));
        if (dialog == nullptr) {
            return false;
        }
        check(dialog->directory() == QDir(QString::fromStdString(folder)),
              QStringLiteral("Save As starts in ") + dialog->directory().absolutePath());
        if (name.isEmpty()) {
            press(buttonIn(dialog, QStringLiteral("Cancel")));
            return true;
        }
        auto* field = shownIn<QLineEdit>(dialog, "fileNameEdit");
        field->selectAll();
        QTest::keyClicks(field, name);
        press(buttonIn(dialog, QStringLiteral("Save")));
        return true;
    };
}

StepFunction titleStartsWith(const QString& start) {
    return [start] {
        QWidget* window = mainWindow();
        return window != nullptr && window->isEnabled() && window->windowTitle().startsWith(start);
    };
}

}  // namespace

// Stand-alone layout: the card's archive opened, then New; Yes to the question at Exit asks for
// a new name in the card folder and leaves the card's archive alone.
TK73_AGENT_SCENARIO(newSettingsAreSavedUnderANewName) {
    const std::string card = scenario.argument("CARD");
    scenario.step("the card at the first Open", chooseCard(card))
        .step("the card's archive loaded, then New",
              [] {
                  return titleStartsWith(QStringLiteral("KR301.092 - "))() &&
                         pressMain(QStringLiteral("New"))();
              })
        .step("the models of New", pressIn(QStringLiteral("New"), QStringLiteral("OK")))
        .step("new settings have no file",
              [] {
                  QWidget* window = mainWindow();
                  return window != nullptr && window->isEnabled() &&
                         window->windowTitle() == kTitle;
              })
        .step("an editor renames a PLU",
              rewrite(scenario.argument("PLU_FILE"), scenario.argument("FROM"),
                      scenario.argument("TO")))
        .step("Exit", pressMain(QStringLiteral("Exit")))
        .step("Yes, save", answerMessage(kSaveModified, QMessageBox::Yes))
        .step("a new name in the card folder", saveAs(card, QStringLiteral("fresh")));
}

// Stand-alone layout: the registers' addresses of the connection setting, an address that is
// none named by the message, and the list kept across New.
TK73_AGENT_SCENARIO(registerAddressesOutliveNew) {
    const auto connectionSetting = [](Scenario& steps) {
        steps.step("the Register menu", pressMain(QStringLiteral("Register")))
            .step("Connection setting", chooseFromMenu(QStringLiteral("Connection setting...")));
    };
    const QString dialog = QStringLiteral("Communication setting");
    scenario.step("no card at the first Open", pressIn(QStringLiteral("Open"), "Cancel"));
    connectionSetting(scenario);
    scenario
        .step("addresses by hand",
              [dialog] {
                  QWidget* shown = shownWindow(dialog);
                  if (shown == nullptr) {
                      return false;
                  }
                  QWidget* registers = shownIn<QWidget>(shown, "page0");
                  shownIn<QRadioButton>(registers, "manual")->click();
                  press(shownIn<QAbstractButton>(registers, "add"));
                  return true;
              })
        .step("an address that is none",
              [] {
                  QWidget* shown = shownWindow(QStringLiteral("IP Address"));
                  if (shown == nullptr) {
                      return false;
                  }
                  QTest::keyClicks(shownIn<QLineEdit>(shown, "ipAddress"), "10.1.2.300");
                  press(buttonIn(shown, QStringLiteral("OK")));
                  return true;
              })
        .step("the message names it",
              answerMessage(QStringLiteral("Enter IP address.\n10.1.2.300"), QMessageBox::Ok))
        .step("the address corrected",
              [] {
                  QWidget* shown = shownWindow(QStringLiteral("IP Address"));
                  if (shown == nullptr || shownMessage() != nullptr) {
                      return false;
                  }
                  auto* field = shownIn<QLineEdit>(shown, "ipAddress");
                  field->clear();
                  QTest::keyClicks(field, "10.1.2.3");
                  press(buttonIn(shown, QStringLiteral("OK")));
                  return true;
              })
        .step("the setting taken",
              [dialog] {
                  QWidget* shown = shownWindow(dialog);
                  if (shown == nullptr || shownWindow(QStringLiteral("IP Address")) != nullptr) {
                      return false;
                  }
                  press(buttonIn(shown, QStringLiteral("OK")));
                  return true;
              })
        .step("New", pressMain(QStringLiteral("New")))
        .step("the models of New", pressIn(QStringLiteral("New"), QStringLiteral("OK")));
    connectionSetting(scenario);
    scenario
        .step("the addresses are still there",
              [dialog] {
                  QWidget* shown = shownWindow(dialog);
                  if (shown == nullptr) {
                      return false;
                  }
                  QWidget* registers = shownIn<QWidget>(shown, "page0");
                  auto* list = registers->findChild<QListWidget*>(QStringLiteral("addresses"));
                  check(shownIn<QRadioButton>(registers, "manual")->isChecked(),
                        QStringLiteral("the registers are not chosen by hand"));
                  check(list != nullptr && list->count() == 1 &&
                            list->item(0)->text() == QStringLiteral("10.1.2.3"),
                        QStringLiteral("the address list is lost"));
                  press(buttonIn(shown, QStringLiteral("Cancel")));
                  return true;
              })
        .step("Exit", pressMain(QStringLiteral("Exit")));
}

// Default layout: a card without the archive is named; the card with it is loaded; Tab walks
// the buttons in reading order, Enter presses the one with the focus; Help shows the manual in
// the suite where the desktop has no viewer for it; Enter on Exit ends the program.
TK73_AGENT_SCENARIO(keysAndHelpOfTheMainWindow) {
    scenario.step("the empty card", chooseCard(scenario.argument("EMPTY_CARD")))
        .step("the missing archive is named",
              answerMessage(QStringLiteral("Can not find the program file.\n") +
                                QString::fromStdString(scenario.argument("EMPTY_ARCHIVE")),
                            QMessageBox::Ok))
        .step("the card with the archive", chooseCard(scenario.argument("CARD")))
        .step("Tab in reading order",
              [] {
                  if (!titleStartsWith(QStringLiteral("KR301.092 - "))()) {
                      return false;
                  }
                  QWidget* window = mainWindow();
                  window->activateWindow();
                  mainButton(QStringLiteral("Open"))->setFocus(Qt::TabFocusReason);
                  QStringList walked{window->focusWidget()->objectName()};
                  for (int i = 0; i < 16; ++i) {
                      QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
                      walked << window->focusWidget()->objectName();
                  }
                  const QStringList expected{
                      "BtnFileOpen",     "BtnFileSave",     "BtnFileSaveAs",     "BtnProductPLU",
                      "BtnPrintMessage", "BtnPersonCharge", "BtnProductSection", "BtnBinFileEdit",
                      "BtnBaseTotal",    "BtnProductGroup", "BtnPrintJournal",   "BtnTaxTable",
                      "BtnPrintReport",  "BtnPopSet",       "BtnHelp",           "BtnExit",
                      "BtnFileOpen"};
                  check(walked == expected, QStringLiteral("Tab walks ") + walked.join(' '));
                  return true;
              })
        .step("Enter on Help",
              [] {
                  QAbstractButton* help = mainButton(QStringLiteral("Help"));
                  help->setFocus(Qt::TabFocusReason);
                  later([help] { QTest::keyClick(help, Qt::Key_Return); });
                  return true;
              })
        .step("the manual in a window of the suite",
              [] {
                  if (shownMessage() != nullptr) {
                      check(false, QStringLiteral("a message instead: ") + shownMessage()->text());
                      press(shownMessage()->button(QMessageBox::Ok));
                      return true;
                  }
                  for (QWidget* window : QApplication::topLevelWidgets()) {
                      auto* page = window->isVisible() ? shownIn<QTextBrowser>(window) : nullptr;
                      if (page != nullptr) {
                          check(!page->toPlainText().isEmpty(), QStringLiteral("an empty manual"));
                          picture(window, QStringLiteral("hub-manual"));
                          window->close();
                          return true;
                      }
                  }
                  return false;
              })
        .step("Enter on Exit", [] {
            QAbstractButton* exit = mainButton(QStringLiteral("Exit"));
            exit->setFocus(Qt::TabFocusReason);
            later([exit] { QTest::keyClick(exit, Qt::Key_Return); });
            return true;
        });
}

// Pro layout with the sample shop selected: the LAN search of "Send to LAN" leaves the window
// working under a busy indicator and lists the register that answers; Yes to the question at
// Exit asks for a name in the documents folder.
TK73_AGENT_SCENARIO(proLayoutSearchesAndSaves) {
    const QString registerAddress = QString::fromStdString(scenario.argument("REGISTER"));
    scenario.step("no card at the first Open", pressIn(QStringLiteral("Open"), "Cancel"))
        .step("Send to LAN", pressMain(QStringLiteral("Send to LAN")))
        .step("the search shows that it runs",
              [] {
                  QWidget* dialog = shownOfClass("CLanSelectDlg");
                  auto* busy = dialog != nullptr
                                   ? dialog->findChild<QProgressBar*>(QStringLiteral("searching"))
                                   : nullptr;
                  return busy != nullptr && busy->isVisible();
              })
        .step("the register that answered",
              [registerAddress] {
                  QWidget* dialog = shownOfClass("CLanSelectDlg");
                  auto* busy = dialog->findChild<QProgressBar*>(QStringLiteral("searching"));
                  if (busy->isVisible()) {
                      return false;
                  }
                  auto* list = shownIn<QTreeWidget>(dialog);
                  check(!list->findItems(registerAddress, Qt::MatchExactly).isEmpty(),
                        QStringLiteral("the register is not listed"));
                  picture(dialog, QStringLiteral("hub-lan-select"));
                  press(buttonIn(dialog, QStringLiteral("Cancel")));
                  return true;
              })
        .step("an editor writes the PLU file", rewrite(scenario.argument("PLU_FILE")))
        .step("Exit", pressMain(QStringLiteral("Exit")))
        .step("Yes, save", answerMessage(kSaveModified, QMessageBox::Yes))
        .step("Save As in the documents", saveAs(scenario.argument("DOCUMENTS"), QString()))
        .step("Exit again", pressMain(QStringLiteral("Exit")))
        .step("No, do not save", answerMessage(kSaveModified, QMessageBox::No));
}

// The transfer history of the pro layout's store: what a send changes on each register, sending
// only what changed, and sending again what failed.
namespace {

// The program waits for the test: it leaves a file named for the turn in the folder and goes on
// once the test has left "<turn>.done" beside it.
StepFunction handOver(const std::string& folder, const std::string& turn) {
    auto written = std::make_shared<bool>(false);
    return [folder, turn, written] {
        if (!*written) {
            std::ofstream(folder + "/" + turn) << turn;
            *written = true;
        }
        return std::ifstream(folder + "/" + turn + ".done").good();
    };
}

// The select dialog once its search is over.
QWidget* searchedSelection() {
    QWidget* dialog = shownOfClass("CLanSelectDlg");
    auto* busy =
        dialog != nullptr ? dialog->findChild<QProgressBar*>(QStringLiteral("searching")) : nullptr;
    return busy != nullptr && !busy->isVisible() ? dialog : nullptr;
}

// Every register of the selection checked, as "Select all" does.
StepFunction selectAll() {
    return [] {
        QWidget* dialog = searchedSelection();
        return dialog != nullptr && (press(buttonIn(dialog, QStringLiteral("Select all"))), true);
    };
}

// The changed-records column reads the words given for each register, and "Send only the
// files that changed" is on or off as given.
StepFunction expectChanges(const QStringList& addresses, const QString& changes, bool changedOnly) {
    return [addresses, changes, changedOnly] {
        QWidget* dialog = searchedSelection();
        if (dialog == nullptr) {
            return false;
        }
        auto* list = shownIn<QTreeWidget>(dialog);
        for (const QString& address : addresses) {
            const QList<QTreeWidgetItem*> rows = list->findItems(address, Qt::MatchExactly);
            check(rows.size() == 1 && rows[0]->text(1) == changes &&
                      rows[0]->checkState(0) == Qt::Checked,
                  address + QStringLiteral(" shows ") +
                      (rows.isEmpty() ? QStringLiteral("nothing") : rows[0]->text(1)));
        }
        auto* box = shownIn<QCheckBox>(dialog);
        check(box != nullptr && box->isChecked() == changedOnly,
              QStringLiteral("\"Send only the files that changed\" is not as expected"));
        return true;
    };
}

// "Changes..." for the register's row: the list holds exactly the changes given, as
// "record:register value:store value", each with a field title.
StepFunction openChanges(const QString& address) {
    return [address] {
        QWidget* dialog = searchedSelection();
        if (dialog == nullptr) {
            return false;
        }
        auto* list = shownIn<QTreeWidget>(dialog);
        const QList<QTreeWidgetItem*> rows = list->findItems(address, Qt::MatchExactly);
        if (!check(rows.size() == 1, address + QStringLiteral(" is not listed"))) {
            return true;
        }
        list->setCurrentItem(rows[0]);
        press(buttonIn(dialog, QStringLiteral("Changes...")));
        return true;
    };
}

StepFunction checkChanges(const QString& address, const QStringList& expected,
                          const QString& pictureName) {
    return [address, expected, pictureName] {
        QWidget* dialog = shownWindow(QStringLiteral("Changes - ") + address);
        if (dialog == nullptr) {
            return false;
        }
        auto* list = shownIn<QTreeWidget>(dialog, QStringLiteral("changes"));
        QStringList shown;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            check(!item->text(3).isEmpty(), QStringLiteral("a change without a field title"));
            shown << item->text(1) + ":" + item->text(4) + ":" + item->text(5);
        }
        check(shown == expected, address + QStringLiteral(" lists ") + shown.join(' '));
        if (!pictureName.isEmpty()) {
            picture(dialog, pictureName);
        }
        press(buttonIn(dialog, QStringLiteral("Close")));
        return true;
    };
}

// The rows of the history table from the top, as "address result files".
QStringList historyRows(QWidget* dialog, int count) {
    auto* table = shownIn<QTreeWidget>(dialog, QStringLiteral("transfers"));
    QStringList rows;
    for (int row = 0; row < table->topLevelItemCount() && row < count; ++row) {
        const QTreeWidgetItem* item = table->topLevelItem(row);
        rows << item->text(2) + " " + item->text(3) + " " + item->text(4);
    }
    return rows;
}

}  // namespace

TK73_AGENT_SCENARIO(transferHistoryAndChangedOnly) {
    const std::string turns = scenario.argument("TURNS");
    const std::string plu = scenario.argument("PLU_FILE");
    const QStringList registers =
        QString::fromStdString(scenario.argument("REGISTERS")).split(QLatin1Char(' '));
    const QString failing = registers.back();
    const QString history = QStringLiteral("Transfer history");
    scenario.step("no card at the first Open", pressIn(QStringLiteral("Open"), "Cancel"))
        .step("Send to LAN", pressMain(QStringLiteral("Send to LAN")))
        .step("Select all", selectAll())
        .step("nothing known of the registers yet",
              expectChanges(registers, QStringLiteral("not known"), false))
        .step("OK", [] {
            QWidget* dialog = searchedSelection();
            return dialog != nullptr && (press(buttonIn(dialog, QStringLiteral("OK"))), true);
        });
    scenario
        .step("every register done",
              answerMessage(QStringLiteral("Normal end all of task"), QMessageBox::Ok),
              std::chrono::seconds(60))
        .step("the test makes one register fail", handOver(turns, "first-send"))
        .step("three prices change",
              rewrite(plu, "\"Sourdough loaf  \",\"002000000000\",\"00000429\"",
                      "\"Sourdough loaf  \",\"002000000000\",\"00000449\""))
        .step("the second price", rewrite(plu, "\"Rye bread       \",\"002000000000\",\"00000279\"",
                                          "\"Rye bread       \",\"002000000000\",\"00000289\""))
        .step("the third price", rewrite(plu, "\"Baguette        \",\"002000000000\",\"00000285\"",
                                         "\"Baguette        \",\"002000000000\",\"00000295\""))
        .step("Send to LAN again", pressMain(QStringLiteral("Send to LAN")))
        .step("Select all", selectAll())
        .step("three records changed on each, and only what changed goes",
              expectChanges(registers, QStringLiteral("3"), true));
    for (const QString& address : registers) {
        scenario.step("Changes... of " + address.toStdString(), openChanges(address))
            .step(
                "the three prices",
                checkChanges(
                    address,
                    {QStringLiteral("1:00000429:00000449"), QStringLiteral("2:00000279:00000289"),
                     QStringLiteral("3:00000285:00000295")},
                    address == registers.front() ? QStringLiteral("hub-lan-changes") : QString()));
    }
    scenario
        .step("the selection with the changes",
              [] {
                  QWidget* dialog = searchedSelection();
                  if (dialog == nullptr) {
                      return false;
                  }
                  picture(dialog, QStringLiteral("hub-lan-select-changes"));
                  press(buttonIn(dialog, QStringLiteral("OK")));
                  return true;
              })
        .step("one register failed",
              answerMessage(QStringLiteral("Error end some of Controler box."), QMessageBox::Ok),
              std::chrono::seconds(60))
        .step("Exit, leaving it failed",
              [pressed = std::make_shared<std::chrono::steady_clock::time_point>()] {
                  // The outcome's box may still be closing; the question follows a press of Exit.
                  if (QMessageBox* box = shownMessage()) {
                      const bool asked =
                          box->text() ==
                          QStringLiteral("Error end some of ECR.\nDo you exit without retry?");
                      if (asked) {
                          press(box->button(QMessageBox::Yes));
                      }
                      return asked;
                  }
                  // A press that came while that box was closing is made again, as a user would.
                  QWidget* run = shownOfClass("CLanRunDlg");
                  const auto now = std::chrono::steady_clock::now();
                  if (run != nullptr && now - *pressed > std::chrono::seconds(3)) {
                      press(buttonIn(run, QStringLiteral("Exit")));
                      *pressed = now;
                  }
                  return false;
              })
        .step("the test serves the register again", handOver(turns, "second-send"))
        .step("System", pressMain(QStringLiteral("System")))
        .step("Transfer history", chooseFromMenu(QStringLiteral("Transfer history...")))
        .step("the last send: two done, one failed",
              [history, registers, failing] {
                  QWidget* dialog = shownWindow(history);
                  if (dialog == nullptr) {
                      return false;
                  }
                  QStringList rows = historyRows(dialog, 3);
                  rows.sort();
                  const QStringList expected{
                      QStringLiteral("No. 1 ") + registers[0] + QStringLiteral(" Done 4"),
                      QStringLiteral("No. 2 ") + registers[1] + QStringLiteral(" Done 4"),
                      QStringLiteral("No. 3 ") + failing + QStringLiteral(" Failed 4")};
                  check(rows == expected, QStringLiteral("the history shows ") + rows.join(", "));
                  picture(dialog, QStringLiteral("hub-transfer-history"));
                  auto* result = shownIn<QComboBox>(dialog, QStringLiteral("result"));
                  result->setCurrentIndex(result->findText(QStringLiteral("Failed")));
                  check(historyRows(dialog, 9) == QStringList{QStringLiteral("No. 3 ") + failing +
                                                              QStringLiteral(" Failed 4")},
                        QStringLiteral("the failed filter shows ") +
                            historyRows(dialog, 9).join(", "));
                  result->setCurrentIndex(0);
                  auto* choice = shownIn<QComboBox>(dialog, QStringLiteral("register"));
                  choice->setCurrentIndex(1);
                  check(historyRows(dialog, 9).size() == 2,
                        QStringLiteral("the first register's filter shows ") +
                            historyRows(dialog, 9).join(", "));
                  choice->setCurrentIndex(0);
                  press(buttonIn(dialog, QStringLiteral("Retry failed")));
                  return true;
              })
        .step("the failed register done again",
              answerMessage(QStringLiteral("Normal end all of task"), QMessageBox::Ok),
              std::chrono::seconds(60))
        .step("the history shows it",
              [history, failing] {
                  QWidget* dialog = shownWindow(history);
                  // The table is read again once the run dialog has gone.
                  if (dialog == nullptr || shownOfClass("CLanRunDlg") != nullptr ||
                      historyRows(dialog, 1).join("").endsWith(QStringLiteral("Failed 4"))) {
                      return false;
                  }
                  check(historyRows(dialog, 1) == QStringList{QStringLiteral("No. 3 ") + failing +
                                                              QStringLiteral(" Done 4")},
                        QStringLiteral("the newest row is ") + historyRows(dialog, 1).join(""));
                  check(!buttonIn(dialog, QStringLiteral("Retry failed"))->isEnabled(),
                        QStringLiteral("Retry failed is still offered"));
                  press(buttonIn(dialog, QStringLiteral("Close")));
                  return true;
              })
        .step("Exit", pressMain(QStringLiteral("Exit")))
        .step("No, do not save", answerMessage(kSaveModified, QMessageBox::No));
}
