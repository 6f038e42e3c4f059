// Sending and receiving from the tool's file selection, against a register simulator and a
// controller simulator on loopback that keep their files in folders: only the checked files
// travel, both ways, in the register's setting and in the controller's.

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <set>
#include <string>

#include "apps/detailtool/detail_start.h"
#include "apps/detailtool/ui/select_files_dialog.h"
#include "apps/editors/testing/editor_session.h"
#include "base/registry_settings.h"
#include "landialogs/lan_run.h"
#include "landialogs/lan_select.h"
#include "landialogs/testing/controller_tool_running.h"
#include "platform/registry_hive.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/testing/machines_in_use.h"
#include "tools/regsim/register_simulator.h"
#include "tools/veksim/controller_simulator.h"

using tk73test::TempEnvironment;

namespace {

constexpr const char* kRegisterAddress = "127.22.0.1";
constexpr const char* kControllerAddress = "127.22.0.2";
constexpr int kVK500 = 501;

// The search for machines on the LAN asks this address only.
bool searchAt(const char* address) {
    return tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                     "BroadcastAddress", address);
}

// The store's register table lists one register in use at the address, which the search finds.
bool listRegister(int storeNo) {
    if (!searchAt(kRegisterAddress)) {
        return false;
    }
    CTK73edbRegister table(storeNo);
    return storetest::listMachinesInUse(table, {kRegisterAddress}) == 1;
}

// The select dialog takes every machine found; the run dialog runs them all.
void runOnEveryMachine(tk73test::ScriptedUserInteraction& script) {
    script.handleDialog(std::string(tk73lan::LanSelectRequest::kName),
                        [](tk73::DialogRequest& request) {
                            auto& select = dynamic_cast<tk73lan::LanSelectRequest&>(request);
                            select.search(false);
                            for (size_t i = 0; i < select.machines().size(); ++i) {
                                select.check(i, true);
                            }
                            return tk73::Button::Ok;
                        });
    script.handleDialog(std::string(tk73lan::LanRunRequest::kName),
                        [](tk73::DialogRequest& request) {
                            auto& run = dynamic_cast<tk73lan::LanRunRequest&>(request);
                            run.executeAll();
                            QTest::qVerify(run.allDone(), "run.allDone()", "", __FILE__, __LINE__);
                            run.endCode = tk73lan::LanRunRequest::kAllDone;
                            return tk73::Button::Ok;
                        });
}

// Checks the files in the selection and presses OK.
void transfer(const tk73dtl::DetailContext& context, bool receive, std::set<int> files) {
    tk73dtl::SelectFilesDialog dialog(context, receive, nullptr);
    for (int row = 0; row < dialog.Files()->count(); ++row) {
        const int fileNo = dialog.Files()->item(row)->text().left(3).toInt();
        dialog.Files()->item(row)->setCheckState(files.count(fileNo) == 1 ? Qt::Checked
                                                                          : Qt::Unchecked);
    }
    dialog.Ok()->click();
}

std::set<std::string> folderFiles(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The file with the first character of its first record's first field changed.
std::string changed(const std::string& bytes) {
    std::string text = bytes;
    size_t at = 0;
    for (int heading = 0; heading < 3; ++heading) {
        at = text.find('\n', at) + 1;
    }
    at = text.find(",\"", at) + 2;  // after the record number, its comma and the opening quote
    text[at] = text[at] == '0' ? '1' : '0';
    return text;
}

}  // namespace

class DetailTransferTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyTheCheckedFilesTravel() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        tk73dtl::DetailContext context;
        QVERIFY(tk73dtl::prepareStart(context));
        QVERIFY(listRegister(context.storeNo));
        tk73regsim::Options options;
        options.address = kRegisterAddress;
        options.folder = session.environment.path("register");
        options.answerSeconds = 5;
        std::filesystem::create_directories(options.folder);
        tk73regsim::RegisterSimulator simulator(options);
        std::string error;
        QVERIFY2(simulator.start(&error), error.c_str());

        runOnEveryMachine(session.script);
        transfer(context, false, {4, 5});
        QCOMPARE(folderFiles(options.folder),
                 std::set<std::string>(
                     {tk73regsim::fileId(4) + ".BIN", tk73regsim::fileId(5) + ".BIN"}));

        // Both files change here; only the PLU file is fetched back.
        const std::string plu = session.store.mainte(tk73editortest::kRegister, 4);
        const std::string department = session.store.mainte(tk73editortest::kRegister, 5);
        session.store.setMainte(tk73editortest::kRegister, 4, changed(plu));
        session.store.setMainte(tk73editortest::kRegister, 5, changed(department));
        runOnEveryMachine(session.script);
        transfer(context, true, {4});
        QCOMPARE(session.store.mainte(tk73editortest::kRegister, 4), plu);
        QCOMPARE(session.store.mainte(tk73editortest::kRegister, 5), changed(department));
    }

    void onlyTheCheckedFilesTravelToTheController() {
        tk73editortest::EditorSession session(301, kVK500);
        QVERIFY(session.ready());
        AecrbsSetCurrentVekSetting(1, 0);
        tk73dtl::DetailContext context;
        QVERIFY(tk73dtl::prepareStart(context));
        // Only the controller tool looks for controllers on the LAN; it reads the store from the
        // desktop selection.
        const tk73lantest::ControllerToolRunning controllerTool;
        const std::string storeNo = std::to_string(context.storeNo);
        QCOMPARE(AecrbsSetDesktopRegister("000", storeNo.c_str(), "999"), 1);
        QCOMPARE(context.kind, 1);
        QVERIFY(searchAt(kControllerAddress));
        tk73veksim::Options options;
        options.address = kControllerAddress;
        options.folder = session.environment.path("controller");
        options.modelCode = "KR3010";  // made for the store's register model
        std::filesystem::create_directories(options.folder);
        tk73veksim::ControllerSimulator simulator(options);
        std::string error;
        QVERIFY2(simulator.start(&error), error.c_str());

        using tk73editortest::kController;
        const std::string department = session.store.mainte(kController, 5);
        const std::string server = session.store.mainte(kController, 7);
        runOnEveryMachine(session.script);
        transfer(context, false, {5, 7});
        QCOMPARE(folderFiles(options.folder),
                 std::set<std::string>({"FILE005P.TXT", "FILE007P.TXT"}));
        QCOMPARE(TempEnvironment::readFile(tk73veksim::storedFile(options.folder, 5, true)),
                 department);
        QCOMPARE(TempEnvironment::readFile(tk73veksim::storedFile(options.folder, 7, true)),
                 server);

        // Both files change here; only the department file is fetched back.
        session.store.setMainte(kController, 5, changed(department));
        session.store.setMainte(kController, 7, changed(server));
        runOnEveryMachine(session.script);
        transfer(context, true, {5});
        QCOMPARE(session.store.mainte(kController, 5), department);
        QCOMPARE(session.store.mainte(kController, 7), changed(server));
        // One connection per file: two sent, one fetched.
        QCOMPARE(simulator.transfers(), 3);
    }
};

QTEST_MAIN(DetailTransferTest)
#include "transfer_test.moc"
