// The guide's pictures of the windows that the first scenarios (guide_scenarios.cpp) leave out:
// the other editors, the store and connection settings, the file dialogs, the LAN run, the
// spreadsheet preview and the controller's windows. Each brings its window into the state the
// chapter describes.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

#include <memory>

#include "guide/ui/guide_steps.h"
#include "landialogs/lan_discovery.h"

namespace {

using namespace tk73agent;
using namespace tk73guide;

// Types the file name into the file dialog in front and accepts it, as often as it takes the
// dialog to take it; done once the dialog has gone.
StepFunction chooseFile(const QString& path) {
    auto typed = std::make_shared<bool>(false);
    return [path, typed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return *typed;
        }
        later([dialog = QPointer<QFileDialog>(dialog), path] {
            if (dialog == nullptr) {
                return;
            }
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                name->setText(path);
            }
            static_cast<QDialog*>(dialog.data())->accept();
        });
        *typed = true;
        return false;
    };
}

// Presses the button of the window whose title starts with the text.
StepFunction pressInStarting(const QString& start, const QString& button) {
    return pressInDialog(titleStarting(start), button);
}

// The step, noting the windows on the screen every few seconds while it waits.
StepFunction watching(StepFunction step) {
    auto since = std::make_shared<QElapsedTimer>();
    return [step, since] {
        if (!since->isValid() || since->elapsed() > 5000) {
            since->start();
            note(visibleWindows().join(QStringLiteral(" | ")));
        }
        return step();
    };
}

// The demo store's controller: the address its connection setting names, where the controller
// simulator of the pictures answers.
constexpr const char* kControllerAddress = "127.73.0.201";

// The main window once the demo card is read, for the layouts with a card.
StepFunction cardRead() {
    return mainTitleStarts(QStringLiteral("KR301.092 - "));
}

}  // namespace

TK73_GUIDE_WINDOW(departmentList, "Department", "department-list")
TK73_GUIDE_WINDOW(groupList, "Group", "group-list")
TK73_GUIDE_WINDOW(receiptJournal, "Receipt/Journal", "receipt-journal")
TK73_GUIDE_WINDOW(reportTexts, "X/Z Report", "report-texts")
TK73_GUIDE_WINDOW(popPrinting, "POP Printing", "pop-printing")
TK73_GUIDE_WINDOW(vekClerk, "Clerk", "vek-servers")
TK73_GUIDE_WINDOW(vekTaxTable, "Tax Table", "vek-tax-table")
TK73_GUIDE_WINDOW(vekSetting, "Detail setting", "vek-setting", QStringLiteral("Send"),
                  QStringLiteral("Receive"))

// Save As on the main window of the default layout, with the demo card read.
TK73_AGENT_SCENARIO(saveAs) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("the demo card", openCard())
        .step("the archive loaded", cardRead())
        .step("Save As", pressIn(kMain, QStringLiteral("BtnFileSaveAs")))
        .step("the Save As dialog", shoot(fileDialog(), QStringLiteral("save-as"),
                                          {QStringLiteral("PartialPluPanel")}, out))
        .step("end", finish());
}

// The stand-alone layout's Register menu, with the demo card read.
TK73_AGENT_SCENARIO(registerMenu) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("the demo card", openCard())
        .step("the archive loaded", cardRead())
        .step("Register", pressIn(kMain, QStringLiteral("BtnRegister")))
        .step("the menu", shoot(shownMenu(), QStringLiteral("register-menu"), {}, out))
        .step("end", finish());
}

// The data editor's Write data > To CSV file: the file chosen for the CSV file.
TK73_AGENT_SCENARIO(csvFile) {
    const std::string out = scenario.argument("PICTURES");
    scenario
        .step("Write data",
              pressInStarting(QStringLiteral("Auto PGM editor"), QStringLiteral("Write data")))
        .step("To CSV file", chooseFromMenu(QStringLiteral("To CSV file")))
        .step("the file", shoot(fileDialog(), QStringLiteral("csv-file"), {}, out))
        .step("end", finish());
}

// The data editor's Read data > From CSV file, with the file Write data > To CSV file wrote: how
// much of each record to read.
TK73_AGENT_SCENARIO(importRange) {
    const std::string out = scenario.argument("PICTURES");
    const QString csv =
        QString::fromStdString(scenario.argument("WORK")) + QStringLiteral("/plu.csv");
    const QString editor = QStringLiteral("Auto PGM editor");
    const auto range = [] {
        QWidget* dialog = QApplication::activeModalWidget();
        return dialog != nullptr &&
                       dialog->findChild<QWidget*>(QStringLiteral("allData")) != nullptr
                   ? dialog
                   : nullptr;
    };
    scenario.step("Write data", pressInStarting(editor, QStringLiteral("Write data")))
        .step("To CSV file", chooseFromMenu(QStringLiteral("To CSV file")))
        .step("the file written", chooseFile(csv))
        .step("Read data", pressInStarting(editor, QStringLiteral("Read data")))
        .step("From CSV file", chooseFromMenu(QStringLiteral("From CSV file")))
        .step("the check is not strict", answerMessage(QStringLiteral("OK")))
        .step("the file to read", chooseFile(csv))
        .step("the records to read",
              watching(shoot(range, QStringLiteral("import-range"),
                             {QStringLiteral("allData"), QStringLiteral("basicOnly"),
                              QStringLiteral("Read data.")},
                             out)))
        .step("end", finish());
}

// The controller of the demo store, chosen as a user chooses it: System > Branch/Store setting,
// Modify, the controller's model, its address on this computer. The pictures of the register tool's
// controller windows are taken in the home this leaves ("+2" in shots.txt).
TK73_AGENT_SCENARIO(addController) {
    const std::string out = scenario.argument("PICTURES");
    const auto list = modalTitled(QStringLiteral("Branch list setting"));
    const auto setting = modalTitled(QStringLiteral("Store setting"));
    const auto connections = modalTitled(QStringLiteral("Communication setting"));
    const auto address = modalTitled(QStringLiteral("IP Address"));
    // The page of the register's (0) or the controller's (1) connection.
    const auto connectionPage = [connections](int kind) {
        return std::function<QWidget*()>([connections, kind] {
            QWidget* dialog = connections();
            return dialog != nullptr
                       ? dialog->findChild<QWidget*>(QStringLiteral("page%1").arg(kind))
                       : nullptr;
        });
    };
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("System", pressIn(kMain, QStringLiteral("BtnSystem")))
        .step("Branch/Store setting", chooseFromMenu(QStringLiteral("Branch/Store setting...")))
        .step("the first store",
              [list] {
                  QWidget* dialog = list();
                  auto* stores = dialog != nullptr ? shownIn<QTreeWidget>(dialog) : nullptr;
                  if (stores == nullptr || stores->topLevelItemCount() == 0) {
                      return false;
                  }
                  stores->setCurrentItem(stores->topLevelItem(0));
                  return true;
              })
        .step("the store list", shoot(list, QStringLiteral("branch-store"),
                                      {QStringLiteral("new"), QStringLiteral("modify"),
                                       QStringLiteral("copy"), QStringLiteral("remove")},
                                      out))
        .step("Modify", pressInDialog(list, QStringLiteral("modify")))
        .step("the controller's model",
              [setting] {
                  QWidget* dialog = setting();
                  auto* models =
                      dialog != nullptr ? shownIn<QComboBox>(dialog, "vekModels") : nullptr;
                  if (models == nullptr || models->count() < 2) {
                      return false;
                  }
                  later([models] { models->setCurrentIndex(1); });
                  return true;
              })
        .step("the store setting",
              shoot(setting, QStringLiteral("store-setting"),
                    {QStringLiteral("vekModels"), QStringLiteral("registerModels"),
                     QStringLiteral("connection")},
                    out))
        .step("Communication setting", pressInDialog(setting, QStringLiteral("connection")))
        .step("the connections",
              shoot(connections, QStringLiteral("connection-setting"),
                    {QStringLiteral("auto"), QStringLiteral("manual"), QStringLiteral("add")}, out))
        .step("Manual", pressInDialog(connectionPage(0), QStringLiteral("manual")))
        .step("Add", pressInDialog(connectionPage(0), QStringLiteral("add")))
        .step("an address", shoot(address, QStringLiteral("ip-address"), {}, out))
        .step("no new address", pressInDialog(address, QStringLiteral("Cancel")))
        .step("the registers as they were", pressInDialog(connections, QStringLiteral("Cancel")))
        .step("Communication setting again", pressInDialog(setting, QStringLiteral("connection")))
        .step("the controller's page",
              [connections] {
                  QWidget* dialog = connections();
                  auto* pages = dialog != nullptr ? dialog->findChild<QTabWidget*>() : nullptr;
                  if (pages == nullptr || pages->count() < 2) {
                      return false;
                  }
                  pages->setCurrentIndex(1);
                  return true;
              })
        .step("Manual for the controller",
              pressInDialog(connectionPage(1), QStringLiteral("manual")))
        .step("Add for the controller", pressInDialog(connectionPage(1), QStringLiteral("add")))
        .step("the controller's address",
              [address] {
                  QWidget* dialog = address();
                  auto* field = dialog != nullptr
                                    ? dialog->findChild<QLineEdit*>(QStringLiteral("ipAddress"))
                                    : nullptr;
                  if (field == nullptr) {
                      return false;
                  }
                  field->setText(QString::fromLatin1(kControllerAddress));
                  press(buttonIn(dialog, QStringLiteral("OK")));
                  return true;
              })
        .step("the connections set", pressInDialog(connections, QStringLiteral("OK")))
        .step("OK", pressInDialog(setting, QStringLiteral("OK")))
        .step(
            "the store with its controller",
            [list] {
                if (QMessageBox* question = shownMessage()) {
                    QAbstractButton* yes = buttonIn(question, QStringLiteral("Yes"));
                    press(yes != nullptr ? yes : buttonIn(question, QStringLiteral("OK")));
                    return false;
                }
                return list() != nullptr;
            },
            std::chrono::seconds(60))
        .step("Cancel", pressInDialog(list, QStringLiteral("cancel")))
        .step("VEK Setting usable",
              [] {
                  QWidget* window = shownWindow(kMain);
                  QAbstractButton* vek = window != nullptr
                                             ? buttonIn(window, QStringLiteral("BtnVekSetting"))
                                             : nullptr;
                  return vek != nullptr && vek->isEnabled();
              })
        .step("end", finish());
}

// The registers of the demo store on this computer: the first is a register simulator this
// scenario starts, the others answer nobody. Send to LAN sends to all three; the run ends with
// a result on each row.
TK73_AGENT_SCENARIO(lanRun) {
    const std::string out = scenario.argument("PICTURES");
    const QString work = QString::fromStdString(scenario.argument("WORK"));
    auto simulator = std::make_shared<QProcess*>(nullptr);
    scenario
        .step("the registers on this computer",
              [] {
                  const QString path = qEnvironmentVariable("TK73_COMMON_APPDATA") +
                                       QStringLiteral("/TK73DB/REGISTER.edb");
                  QFile file(path);
                  if (!file.open(QIODevice::ReadOnly)) {
                      return check(false, QStringLiteral("no register list at ") + path);
                  }
                  QByteArray table = file.readAll();
                  file.close();
                  table.replace("\"192.168.0.", "\"127.73.0.");
                  return check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                                   file.write(table) == table.size(),
                               QStringLiteral("cannot point the registers at this computer"));
              })
        .step(
            "a register",
            [simulator, work] {
                if (*simulator == nullptr) {
                    // The program ends with its session: the picture step ends the simulator
                    // with it.
                    *simulator = new QProcess(qApp);
                    QDir().mkpath(work + QStringLiteral("/register"));
                    (*simulator)
                        ->start(
                            QCoreApplication::applicationDirPath() + QStringLiteral("/tk73regsim"),
                            {QStringLiteral("127.73.0.101"), work + QStringLiteral("/register")});
                }
                (*simulator)->waitForReadyRead(100);
                return (*simulator)->readAllStandardOutput().contains("listening on");
            })
        .step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("Send to LAN", pressIn(kMain, QStringLiteral("BtnRegRecv")))
        .step("every register", pressInDialog(ownedDialog(), QStringLiteral("Select all")),
              std::chrono::seconds(40))
        .step("OK", pressInDialog(ownedDialog(), QStringLiteral("OK")), std::chrono::seconds(40))
        .step("the run's end", watching([] {
                  // The run's report comes first: the picture shows the rows after it.
                  if (QMessageBox* report = shownMessage()) {
                      note(QStringLiteral("the run reports: ") + report->text());
                      press(buttonIn(report, QStringLiteral("OK")));
                      return false;
                  }
                  QWidget* run = ownedDialog()();
                  QAbstractButton* exit =
                      run != nullptr ? buttonIn(run, QStringLiteral("Exit")) : nullptr;
                  return exit != nullptr && exit->isEnabled();
              }),
              std::chrono::seconds(40))
        .step("the run", shoot(ownedDialog(), QStringLiteral("lan-run"),
                               {QStringLiteral("QTreeWidget"), QStringLiteral("Exec again one"),
                                QStringLiteral("Exec again all"), QStringLiteral("Exit")},
                               out))
        .step("end", finish());
}

// Read data > From spreadsheet... in the data editor, with a price list a user edited: a price
// and a name changed, and a name too long for the register.
TK73_AGENT_SCENARIO(sheetPreview) {
    const std::string out = scenario.argument("PICTURES");
    const QString sheet =
        QString::fromStdString(scenario.argument("WORK")) + QStringLiteral("/prices.csv");
    const QString editor = QStringLiteral("Auto PGM editor");
    scenario
        .step("the edited price list",
              [editor, sheet] {
                  QWidget* window = titleStarting(editor)();
                  QAbstractItemModel* grid = nullptr;
                  for (auto* model : window != nullptr ? window->findChildren<QAbstractItemModel*>()
                                                       : QList<QAbstractItemModel*>()) {
                      if (model->columnCount() >= 4) {
                          grid = model;
                      }
                  }
                  if (grid == nullptr) {
                      return false;
                  }
                  const auto title = [grid](int column) {
                      return grid->headerData(column, Qt::Horizontal).toString();
                  };
                  QFile file(sheet);
                  const QByteArray rows =
                      QStringLiteral(
                          "Record,%1,%2\n1,Sourdough loaf,4.49\n2,Rye bread large,2.79\n"
                          "3,Baguette with a name far too long for the register,2.85\n")
                          .arg(title(1), title(3))
                          .toUtf8();
                  return check(file.open(QIODevice::WriteOnly) && file.write(rows) == rows.size(),
                               QStringLiteral("cannot write ") + sheet);
              })
        .step("Read data", pressInStarting(editor, QStringLiteral("Read data")))
        .step("From spreadsheet", chooseFromMenu(QStringLiteral("From spreadsheet...")))
        .step("the price list", chooseFile(sheet))
        .step("the preview", watching(shoot(titleStarting(QStringLiteral("Read from spreadsheet")),
                                            QStringLiteral("sheet-preview"),
                                            {QStringLiteral("QTabBar"), QStringLiteral("summary"),
                                             QStringLiteral("apply"), QStringLiteral("validOnly")},
                                            out)))
        .step("end", finish());
}

// A dialog that a button of the window opens, as it opens.
#define TK73_GUIDE_DIALOG(scenarioName, title, button, picture)                                 \
    TK73_AGENT_SCENARIO(scenarioName) {                                                         \
        const std::string out = scenario.argument("PICTURES");                                  \
        scenario                                                                                \
            .step("the button", pressInStarting(QStringLiteral(title), QStringLiteral(button))) \
            .step("the dialog", shoot(ownedDialog(), QStringLiteral(picture), {}, out))         \
            .step("end", finish());                                                             \
    }

TK73_GUIDE_DIALOG(pluSearch, "PLU", "Search(F)...", "plu-search")
TK73_GUIDE_DIALOG(dataSearch, "Auto PGM editor", "Search", "data-search")
TK73_GUIDE_DIALOG(detailSend, "Detail setting", "Send", "detail-send")

// The detail settings' pop-up menu on the PLU file, its Target and the attributes of a field.
TK73_AGENT_SCENARIO(detailTarget) {
    const std::string out = scenario.argument("PICTURES");
    const auto target = modalTitled(QStringLiteral("Target"));
    scenario
        .step("the pop-up menu",
              [] {
                  QWidget* window = shownWindow(QStringLiteral("Detail setting"));
                  auto* files = window != nullptr ? shownIn<QTreeWidget>(window) : nullptr;
                  if (files == nullptr || files->topLevelItemCount() < 4) {
                      return false;
                  }
                  const QPoint at = files->visualItemRect(files->topLevelItem(3)).center();
                  later([files, at] { emit files->customContextMenuRequested(at); });
                  return true;
              })
        .step("the menu", shoot(shownMenu(), QStringLiteral("detail-menu"), {}, out))
        .step("Target", chooseFromMenu(QStringLiteral("Target")))
        .step("the target", shoot(target, QStringLiteral("detail-target"), {}, out))
        .step("a field",
              [target] {
                  QWidget* dialog = target();
                  const QList<QTreeWidget*> lists = dialog != nullptr
                                                        ? dialog->findChildren<QTreeWidget*>()
                                                        : QList<QTreeWidget*>();
                  if (lists.size() < 2 || lists[1]->topLevelItemCount() < 2) {
                      return false;
                  }
                  QTreeWidget* fields = lists[1];
                  later([fields] { emit fields->itemActivated(fields->topLevelItem(1), 0); });
                  return true;
              })
        .step("the field's attributes",
              shoot(modalTitled(QStringLiteral("Field attribute setting")),
                    QStringLiteral("detail-field"), {}, out))
        .step("Cancel", pressInDialog(modalTitled(QStringLiteral("Field attribute setting")),
                                      QStringLiteral("Cancel")))
        .step("the file",
              [target] {
                  QWidget* dialog = target();
                  auto* files = dialog != nullptr ? dialog->findChild<QTreeWidget*>() : nullptr;
                  if (files == nullptr || files->currentItem() == nullptr) {
                      return false;
                  }
                  later([files] { emit files->itemActivated(files->currentItem(), 0); });
                  return true;
              })
        .step("the file's display", shoot(modalTitled(QStringLiteral("Display setting")),
                                          QStringLiteral("detail-display"), {}, out))
        .step("end", finish());
}

// Copy a field, then Paste rectangle: the range of records to paste into.
TK73_AGENT_SCENARIO(pasteRange) {
    const std::string out = scenario.argument("PICTURES");
    const QString editor = QStringLiteral("Auto PGM editor");
    scenario.step("Copy", pressInStarting(editor, QStringLiteral("Copy")))
        .step("Paste rectangle", pressInStarting(editor, QStringLiteral("Paste rectangle")))
        .step("the range", watching(shoot(modalTitled(QStringLiteral("Select range Paste")),
                                          QStringLiteral("paste-range"), {}, out)))
        .step("end", finish());
}

// Edit > Enter record... in the data editor: a field of the record typed in a dialog of its own.
TK73_AGENT_SCENARIO(enterRecord) {
    const std::string out = scenario.argument("PICTURES");
    scenario
        .step("Enter record",
              [] {
                  QWidget* window = titleStarting(QStringLiteral("Auto PGM editor"))();
                  if (window == nullptr || !window->isEnabled()) {
                      return false;
                  }
                  for (QAction* action : window->findChildren<QAction*>()) {
                      if (action->text() == QStringLiteral("Enter record...")) {
                          later([action] { action->trigger(); });
                          return true;
                      }
                  }
                  check(false, QStringLiteral("no Edit > Enter record..."));
                  return true;
              })
        .step("the entry", shoot(ownedDialog(), QStringLiteral("data-entry"), {}, out))
        .step("end", finish());
}

// New in the stand-alone layout: the register model of the new setting.
TK73_AGENT_SCENARIO(newSetting) {
    const std::string out = scenario.argument("PICTURES");
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("New", pressIn(kMain, QStringLiteral("BtnFileNew")))
        .step("the model", watching(shoot(ownedDialog(), QStringLiteral("select-model"), {}, out)))
        .step("end", finish());
}

// VEK Setting's Send with the preset files: the controllers to send to, with the store's
// controller that its connection setting names (addController). A controller simulator this
// scenario starts answers there; the files then go to it.
TK73_AGENT_SCENARIO(vekLanChoice) {
    const std::string out = scenario.argument("PICTURES");
    const QString folder =
        QString::fromStdString(scenario.argument("WORK")) + QStringLiteral("/controller");
    const auto files = modalTitled(QStringLiteral("Select file"));
    const auto machines = [] {
        QWidget* dialog = modalTitled(QStringLiteral("Select target machine"))();
        auto* list = dialog != nullptr ? shownIn<QTreeWidget>(dialog) : nullptr;
        return list != nullptr && list->topLevelItemCount() > 0 ? dialog : nullptr;
    };
    auto simulator = std::make_shared<QProcess*>(nullptr);
    scenario
        .step("the controller",
              [simulator, folder] {
                  if (*simulator == nullptr) {
                      // The program ends with its session: the picture step ends the simulator
                      // with it.
                      *simulator = new QProcess(qApp);
                      QDir().mkpath(folder);
                      (*simulator)
                          ->start(QCoreApplication::applicationDirPath() +
                                      QStringLiteral("/tk73veksim"),
                                  {QString::fromLatin1(kControllerAddress), folder,
                                   QStringLiteral("--model"), QStringLiteral("KR3010")});
                  }
                  // It answers the controller search once it serves.
                  return !tk73lan::searchMachines(true, {kControllerAddress}, 100).empty();
              })
        .step("Send", pressIn(QStringLiteral("Detail setting"), QStringLiteral("Send")))
        .step("Preset", pressInDialog(files, QStringLiteral("Preset")))
        .step("OK", pressInDialog(files, QStringLiteral("OK")))
        .step("the machines",
              watching(shoot(machines, QStringLiteral("vek-lan-choice"),
                             {QStringLiteral("QTreeWidget"), QStringLiteral("Select all")}, out)),
              std::chrono::seconds(40))
        .step("the controller chosen", pressInDialog(machines, QStringLiteral("Select all")))
        .step("Send to it", pressInDialog(machines, QStringLiteral("OK")))
        .step("the run's end", watching([] {
                  QMessageBox* report = shownMessage();
                  if (report == nullptr) {
                      return false;
                  }
                  check(report->text() == QStringLiteral("Normal end all of task"),
                        QStringLiteral("the send to the controller reports: ") + report->text());
                  press(buttonIn(report, QStringLiteral("OK")));
                  return true;
              }),
              std::chrono::seconds(40))
        .step("the files on the controller",
              [folder] {
                  return check(!QDir(folder).entryList({QStringLiteral("FILE*")}).isEmpty(),
                               QStringLiteral("the controller got no file"));
              })
        .step("end", finish());
}
