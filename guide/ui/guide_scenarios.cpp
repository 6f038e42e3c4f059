// The guide's pictures: each scenario brings a real program of the suite into the state a chapter
// describes and saves a picture of the window with numbered callouts (guide/make_pictures.py
// starts the programs; guide/shots.txt lists the scenarios). A window or a control that
// is missing fails the scenario, so a chapter cannot go on showing what the programs no longer
// have.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <cstdlib>

#include "guide/ui/callout_picture.h"
#include "guide/ui/guide_steps.h"

namespace tk73guide {

using namespace tk73agent;

// Polls a window must stay shown before its picture, so that it is laid out and painted.
constexpr int kSettlePolls = 4;

// A control of the window: a button by its text or name, else a shown widget by its object name,
// else the first shown widget of the class.
QWidget* control(QWidget* window, const QString& mark) {
    if (QAbstractButton* button = buttonIn(window, mark);
        button != nullptr && button->isVisible()) {
        return button;
    }
    QWidget* byClass = nullptr;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisible()) {
            continue;
        }
        if (child->objectName() == mark) {
            return child;
        }
        if (byClass == nullptr && child->inherits(mark.toLatin1().constData())) {
            byClass = child;
        }
    }
    return byClass;
}

// The picture of the window the finder answers, once it has been shown for a while, with
// callouts on the controls.
StepFunction shoot(std::function<QWidget*()> finder, const QString& name, const QStringList& marks,
                   const std::string& folder) {
    auto polls = std::make_shared<int>(0);
    return [=] {
        QWidget* window = finder();
        if (window == nullptr || !window->isEnabled() || ++*polls < kSettlePolls) {
            return false;
        }
        QList<QWidget*> controls;
        for (const QString& mark : marks) {
            QWidget* found = control(window, mark);
            if (check(found != nullptr, QStringLiteral("no control ") + mark + " in " + name)) {
                controls.append(found);
            }
        }
        QString problem;
        check(saveCalloutPicture(window, controls, QString::fromStdString(folder), name, problem),
              problem);
        return true;
    };
}

std::function<QWidget*()> titled(const QString& title) {
    return [title] { return shownWindow(title); };
}

// The window whose title starts with the text.
std::function<QWidget*()> titleStarting(const QString& start) {
    return [start] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle().startsWith(start)) {
                return window;
            }
        }
        return static_cast<QWidget*>(nullptr);
    };
}

// The dialog opened over a window of the program: the modal one in front, else another shown
// dialog that a window owns.
std::function<QWidget*()> ownedDialog() {
    return [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->parentWidget() != nullptr) {
            return modal;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->inherits("QDialog") &&
                window->parentWidget() != nullptr) {
                return window;
            }
        }
        return static_cast<QWidget*>(nullptr);
    };
}

std::function<QWidget*()> shownMenu() {
    return [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
}

std::function<QWidget*()> modalTitled(const QString& title) {
    return [title] {
        QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal->isVisible() && modal->windowTitle() == title ? modal
                                                                                       : nullptr;
    };
}

std::function<QWidget*()> fileDialog() {
    return [] {
        return static_cast<QWidget*>(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
    };
}

StepFunction pressInDialog(std::function<QWidget*()> finder, const QString& button) {
    return [finder, button] {
        QWidget* dialog = finder();
        QAbstractButton* found = dialog != nullptr ? buttonIn(dialog, button) : nullptr;
        if (found == nullptr || !found->isEnabled() || !dialog->isEnabled()) {
            return false;
        }
        press(found);
        return true;
    };
}

StepFunction pressIn(const QString& title, const QString& button) {
    return pressInDialog(titled(title), button);
}

StepFunction answerMessage(const QString& button) {
    return [button] {
        QMessageBox* box = shownMessage();
        QAbstractButton* found = box != nullptr ? buttonIn(box, button) : nullptr;
        if (found == nullptr) {
            return false;
        }
        note(QStringLiteral("the message: ") + box->text());
        press(found);
        return true;
    };
}

// Clicks the first record of the list in the window, as a user picks it.
StepFunction pickFirstRecord(const QString& title) {
    return [title] {
        QWidget* window = shownWindow(title);
        auto* list = window != nullptr ? shownIn<QAbstractItemView>(window) : nullptr;
        if (list == nullptr || list->model() == nullptr || list->model()->rowCount() == 0) {
            return false;
        }
        const QRect cell = list->visualRect(list->model()->index(0, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        return true;
    };
}

// The card folder of the SD card dialog (the demo's card), then OK.
StepFunction openCard() {
    return [] {
        QWidget* dialog = shownWindow(QStringLiteral("Open"));
        auto* folders = dialog != nullptr ? shownIn<QComboBox>(dialog, "cardFolders") : nullptr;
        if (folders == nullptr) {
            return false;
        }
        press(buttonIn(dialog, QStringLiteral("OK")));
        return true;
    };
}

StepFunction mainTitleStarts(const QString& start) {
    return [start] {
        QWidget* window = shownWindow(kMain);
        return window != nullptr && window->isEnabled() && window->windowTitle().startsWith(start);
    };
}

// Chooses the entry of the menu that shows.
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

// The program ends once the report is written: the pictures are all it is started for.
StepFunction finish() {
    return [] {
        later([] { std::_Exit(0); });
        return true;
    };
}

}  // namespace tk73guide

using namespace tk73guide;

TK73_AGENT_SCENARIO(openCard) {
    const std::string out = scenario.argument("PICTURES");
    scenario
        .step("the SD card dialog",
              shoot(titled(QStringLiteral("Open")), QStringLiteral("open-card"),
                    {QStringLiteral("cardFolders"), QStringLiteral("OK")}, out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(mainWindow) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("the demo card", openCard())
        .step("the archive loaded", mainTitleStarts(QStringLiteral("KR301.092 - ")))
        .step("the main window",
              shoot(titled(kMain), QStringLiteral("main-window"),
                    {QStringLiteral("BtnFileOpen"), QStringLiteral("BtnFileSave"),
                     QStringLiteral("BtnFileSaveAs"), QStringLiteral("BtnProductPLU"),
                     QStringLiteral("BtnBinFileEdit"), QStringLiteral("BtnHelp"),
                     QStringLiteral("BtnExit")},
                    out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(proMainWindow) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("the professional main window",
              shoot(titled(kMain), QStringLiteral("main-pro"),
                    {QStringLiteral("BtnSelect"), QStringLiteral("BtnDetail"),
                     QStringLiteral("BtnRegRecv"), QStringLiteral("BtnRegSend"),
                     QStringLiteral("BtnSystem"), QStringLiteral("BtnVekSetting")},
                    out))
        .step("end", finish());
}

// F1 on the main window: the guide in the suite's help window, at the first chapter.
TK73_AGENT_SCENARIO(helpWindow) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("F1",
              [] {
                  QWidget* window = shownWindow(kMain);
                  if (window == nullptr || !window->isEnabled()) {
                      return false;
                  }
                  if (!window->isActiveWindow()) {
                      window->activateWindow();
                      return false;
                  }
                  later([window] { QTest::keyClick(window, Qt::Key_F1); });
                  return true;
              })
        .step("the chapter",
              [] {
                  QWidget* help = ownedDialog()();
                  auto* page = help != nullptr ? shownIn<QTextBrowser>(help) : nullptr;
                  if (page == nullptr) {
                      return false;
                  }
                  check(page->source().fragment() == QStringLiteral("01-getting-started"),
                        QStringLiteral("F1 opens the guide at ") + page->source().toString());
                  check(page->verticalScrollBar()->value() > 0,
                        QStringLiteral("the guide does not show the chapter"));
                  return true;
              })
        .step("the help window", shoot(ownedDialog(), QStringLiteral("help-window"), {}, out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(selectStore) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("Select", pressIn(kMain, QStringLiteral("BtnSelect")))
        .step("the store choice", shoot(ownedDialog(), QStringLiteral("select-store"), {}, out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(systemMenu) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("System", pressIn(kMain, QStringLiteral("BtnSystem")))
        .step("the menu", shoot(shownMenu(), QStringLiteral("system-menu"), {}, out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(backup) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("System", pressIn(kMain, QStringLiteral("BtnSystem")))
        .step("Backup", chooseFromMenu(QStringLiteral("Backup branch data...")))
        .step("the backup dialog", shoot(ownedDialog(), QStringLiteral("backup"), {}, out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(sendToLan) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("Send to LAN", pressIn(kMain, QStringLiteral("BtnRegRecv")))
        .step("the register choice", shoot(ownedDialog(), QStringLiteral("send-lan"), {}, out),
              std::chrono::seconds(40))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(pluList) {
    const std::string out = scenario.argument("PICTURES");
    scenario
        .step("the PLU list", shoot(titled(QStringLiteral("PLU")), QStringLiteral("plu-list"),
                                    {QStringLiteral("QAbstractItemView"), QStringLiteral("Edit(E)"),
                                     QStringLiteral("Search(F)..."), QStringLiteral("Close")},
                                    out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(pluRecord) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("the first PLU", pickFirstRecord(QStringLiteral("PLU")))
        .step("Edit", pressIn(QStringLiteral("PLU"), QStringLiteral("Edit(E)")))
        .step("the record dialog", shoot(ownedDialog(), QStringLiteral("plu-record"), {}, out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(receiptMessage) {
    const std::string out = scenario.argument("PICTURES");
    scenario
        .step("the messages",
              shoot(titled(QStringLiteral("Receipt Message")), QStringLiteral("receipt-message"),
                    {QStringLiteral("Preview"), QStringLiteral("Restore defaults"),
                     QStringLiteral("OK")},
                    out))
        .step("Preview", pressIn(QStringLiteral("Receipt Message"), QStringLiteral("Preview")))
        .step("the preview", shoot(ownedDialog(), QStringLiteral("receipt-preview"), {}, out))
        .step("end", finish());
}

TK73_GUIDE_WINDOW(clerk, "Clerk", "clerk")
TK73_GUIDE_WINDOW(generalFeature, "General Feature", "general-feature")
TK73_GUIDE_WINDOW(taxTable, "Tax Table", "tax-table")
TK73_GUIDE_WINDOW(detailSettings, "Detail setting", "detail-settings")

TK73_AGENT_SCENARIO(logos) {
    const std::string out = scenario.argument("PICTURES");
    scenario
        .step("the logo list",
              shoot(titled(QStringLiteral("Graphic Logo/POP")), QStringLiteral("logo-list"),
                    {QStringLiteral("edit"), QStringLiteral("saveToCard"), QStringLiteral("OK")},
                    out))
        .step("Edit", pressIn(QStringLiteral("Graphic Logo/POP"), QStringLiteral("edit")))
        .step("the logo", shoot(ownedDialog(), QStringLiteral("logo-edit"), {}, out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(dataEditor) {
    const std::string out = scenario.argument("PICTURES");
    scenario
        .step("the grid",
              shoot(titleStarting(QStringLiteral("Auto PGM editor")), QStringLiteral("data-editor"),
                    {QStringLiteral("Save"), QStringLiteral("Copy"), QStringLiteral("Search"),
                     QStringLiteral("Zoom up"), QStringLiteral("Write data"),
                     QStringLiteral("Read data")},
                    out))
        .step("end", finish());
}

// The LAN chapter's transfer history and changes before a send. The sample shop gets a history
// as its registers would leave it: copies of what each register holds (three prices older than
// the store's) and a transfer log with a failed send and a receive of changes made on a register.
#include <QCheckBox>

#include <filesystem>

#include "operations/active_store_info.h"
#include "operations/transfer_log.h"
#include "platform/api.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file.h"
#include "storedb/register_history.h"

namespace {

const std::vector<std::string> kShopRegisters{"192.168.0.101", "192.168.0.102", "192.168.0.103"};

// The price of the record in a copy of the PLU file: the text that follows its name.
void olderPrice(std::string& plu, const std::string& name, const std::string& price) {
    const std::string before = "\"" + name + "\",\"002000000000\",\"";
    const size_t at = plu.find(before);
    if (check(at != std::string::npos, QStringLiteral("no PLU ") + QString::fromStdString(name))) {
        plu.replace(at + before.size(), price.size(), price);
    }
}

StepFunction layShopHistory() {
    return [] {
        const int storeNo = CTK73opsActiveStoreInfo().GetStore().storeNo;
        char mainte[TK73_MAX_PATH] = {};
        if (!check(CTK73pgmPgmFile(storeNo).GetMaintePath(mainte, 0) == 1,
                   QStringLiteral("the shop has no register folder"))) {
            return true;
        }
        for (int machineNo = 1; machineNo <= 3; ++machineNo) {
            const std::string copies = tk73store::registerSnapshotPath(storeNo, machineNo);
            std::filesystem::create_directories(copies);
            for (const auto& file : std::filesystem::directory_iterator(mainte)) {
                std::string bytes = tk73::readWholeFile(file.path().string()).value_or("");
                if (file.path().filename() == "FILE004P.TXT") {
                    olderPrice(bytes, "Sourdough loaf  ", "00000419");
                    olderPrice(bytes, "Rye bread       ", "00000269");
                    olderPrice(bytes, "Baguette        ", "00000275");
                }
                if (!tk73::replaceWholeFile(copies + "/" + file.path().filename().string(),
                                            bytes)) {
                    return false;
                }
            }
        }
        const auto entry = [](const char* time, const char* direction, int machineNo, bool done,
                              const char* message, int changed) {
            tk73ops::TransferLogEntry line;
            line.time = time;
            line.direction = direction;
            line.machineNo = machineNo;
            line.address = kShopRegisters[static_cast<size_t>(machineNo - 1)];
            line.files = {{4, 30412}, {5, 2210}, {6, 1804}, {7, 1120}};
            line.done = done;
            line.message = message;
            line.failedFiles = done ? std::vector<int>{} : std::vector<int>{4, 5, 6, 7};
            line.bytes = done ? 35546 : 0;
            line.milliseconds = done ? 2140 : 12060;
            line.changedOnRegister = changed;
            return line;
        };
        const std::string log = tk73store::transferLogPath(storeNo);
        for (const tk73ops::TransferLogEntry& line :
             {entry("2026-12-07T18:02:11Z", "send", 1, true, "Normal End.", -1),
              entry("2026-12-07T18:02:14Z", "send", 2, true, "Normal End.", -1),
              entry("2026-12-07T18:02:27Z", "send", 3, false,
                    "Register communication error End.(Failed to communicate with the register)",
                    -1),
              entry("2026-12-08T08:15:40Z", "receive", 2, true, "Normal End.", 12)}) {
            check(tk73ops::appendTransferLog(log, line), QStringLiteral("cannot write the log"));
        }
        return true;
    };
}

}  // namespace

TK73_AGENT_SCENARIO(transferHistory) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("the shop's history", layShopHistory())
        .step("System", pressIn(kMain, QStringLiteral("BtnSystem")))
        .step("Transfer history", chooseFromMenu(QStringLiteral("Transfer history...")))
        .step("the history window",
              shoot(titleStarting(QStringLiteral("Transfer history")),
                    QStringLiteral("transfer-history"),
                    {QStringLiteral("register"), QStringLiteral("result"),
                     QStringLiteral("Retry failed"), QStringLiteral("transfers")},
                    out))
        .step("end", finish());
}

TK73_AGENT_SCENARIO(lanChanges) {
    const std::string out = scenario.argument("PICTURES");
    const auto selection = [] {
        QWidget* dialog = ownedDialog()();
        auto* busy =
            dialog != nullptr ? dialog->findChild<QWidget*>(QStringLiteral("searching")) : nullptr;
        return busy != nullptr && !busy->isVisible() ? dialog : nullptr;
    };
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("the shop's history", layShopHistory())
        .step("Send to LAN", pressIn(kMain, QStringLiteral("BtnRegRecv")))
        .step("Select all", pressInDialog(selection, QStringLiteral("Select all")),
              std::chrono::seconds(40))
        .step("only what changed goes, as every register's changes are known",
              [selection] {
                  QWidget* dialog = selection();
                  auto* box = dialog != nullptr ? shownIn<QCheckBox>(dialog) : nullptr;
                  return box != nullptr && box->isChecked();
              })
        .step("the registers with their changes",
              shoot(selection, QStringLiteral("send-lan-changes"),
                    {QStringLiteral("QTreeWidget"), QStringLiteral("Changes...")}, out))
        .step("Changes...", pressInDialog(selection, QStringLiteral("Changes...")))
        .step("the changes of the first register",
              shoot(titleStarting(QStringLiteral("Changes - ")), QStringLiteral("lan-changes"), {},
                    out))
        .step("end", finish());
}
