// The main shell's flows as a user meets them in TK73HUB, played inside the program by the agent
// (tests/programs/agent): hub_program_test.cpp starts the program on a staged installation and
// reads the report.

#include <QAbstractButton>
#include <QApplication>
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

#include <fstream>
#include <iterator>

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
