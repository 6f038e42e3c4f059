// TK73DTL started as the shell starts it, its real windows and the libraries' dialogs worked as a
// user works them through the test agent (tests/programs/program_remote.h): Send and Receive
// with two register simulators and with the controller simulator on loopback, the files compared
// byte for byte, and Read file from a CSV file.

#include <QTest>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "apps/detailtool/detail_texts.h"
#include "apps/editors/testing/editor_session.h"
#include "platform/registry_hive.h"
#include "programfiles/pgm_import_range.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/testing/machines_in_use.h"
#include "tests/programs/program_remote.h"
#include "tests/programs/suite_program.h"
#include "tools/regsim/register_simulator.h"
#include "tools/veksim/controller_simulator.h"

using tk73editortest::kController;
using tk73editortest::kRegister;
using tk73test::ProgramRemote;
using tk73test::TempEnvironment;

namespace {

constexpr const char* kRegisterA = "127.22.1.1";
constexpr const char* kRegisterB = "127.22.1.2";
constexpr const char* kControllerAddress = "127.22.1.3";
constexpr int kVK500 = 501;
constexpr const char* kTool = tk73dtl::kAppTitle;
constexpr const char* kSelectFiles = tk73dtl::kSelectFileTitle;

// The detail tool as the shell starts it, with the agent in it.
struct RunningTool {
    RunningTool(const tk73editortest::EditorSession& session, const std::string& programSwitch)
        : agents(session.environment.path("agents")),
          program(tk73test::builtProgram("TK73DTL"), programSwitch),
          remote(agents, program.pid()) {}

    tk73test::AgentEnvironment agents;
    tk73test::SuiteProgram program;
    ProgramRemote remote;
};

// The rows of an item view whose first column begins with one of the texts.
std::set<std::string> rowsStartingWith(ProgramRemote& remote, const std::string& window,
                                       const std::string& view, const std::set<std::string>& texts,
                                       std::vector<size_t>* rows) {
    std::set<std::string> found;
    const auto table = remote.rows(window, view);
    for (size_t row = 0; row < table.size(); ++row) {
        for (const std::string& text : texts) {
            if (table[row].front().rfind(text, 0) == 0) {
                found.insert(text);
                rows->push_back(row);
            }
        }
    }
    return found;
}

// Checks exactly the boxes of the rows whose first column begins with one of the texts; false
// when one of them is not listed.
bool checkOnly(ProgramRemote& remote, const std::string& window, const std::string& view,
               const std::set<std::string>& texts) {
    std::vector<size_t> rows;
    if (rowsStartingWith(remote, window, view, texts, &rows) != texts) {
        return false;
    }
    const size_t count = remote.rows(window, view).size();
    for (size_t row = 0; row < count; ++row) {
        const bool on = std::find(rows.begin(), rows.end(), row) != rows.end();
        if (!remote.act({"check", window, view, std::to_string(row), on ? "1" : "0"})) {
            return false;
        }
    }
    return true;
}

// Send or Receive in the tool's window: the files by number in the selection, then the machines
// by address in the select dialog (whose rows go into shown, when given); true once the run
// dialog has done all and gone.
bool transfer(ProgramRemote& remote, const char* button, const std::set<int>& files,
              const std::set<std::string>& machines,
              std::vector<std::vector<std::string>>* shown = nullptr) {
    std::set<std::string> numbers;
    for (const int file : files) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d ", file);
        numbers.insert(number);
    }
    return remote.act({"click", kTool, std::string("QPushButton:") + button}) &&
           remote.awaitWindow(kSelectFiles) &&
           checkOnly(remote, kSelectFiles, "QListWidget", numbers) &&
           remote.act({"click", kSelectFiles, "QPushButton:OK"}) &&
           remote.awaitWindow("@CLanSelectDlg") &&
           checkOnly(remote, "@CLanSelectDlg", "QTreeWidget", machines) &&
           (shown == nullptr || !(*shown = remote.rows("@CLanSelectDlg", "QTreeWidget")).empty()) &&
           remote.act({"click", "@CLanSelectDlg", "QPushButton:OK"}) &&
           remote.awaitWindow("@CLanRunDlg") &&
           // The outcome, then the dialog closes by itself once every machine is done.
           remote.awaitWindow("@QMessageBox", std::chrono::seconds(60)) &&
           remote.act({"click", "@QMessageBox", "QPushButton:OK"}) &&
           remote.awaitGone("@CLanRunDlg") && remote.awaitGone(kSelectFiles);
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
    at = text.find(",\"", at) + 2;
    text[at] = text[at] == '0' ? '1' : '0';
    return text;
}

bool searchAt(const char* address) {
    return tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                     "BroadcastAddress", address);
}

}  // namespace

class DetailProgramFlowsTest : public QObject {
    Q_OBJECT

  private slots:
    void sendsToTwoRegistersAndReceivesBackWhatWasSent() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        CTK73edbRegister table(session.store.storeNo());
        QCOMPARE(storetest::listMachinesInUse(table, {kRegisterA, kRegisterB}), 1);
        QVERIFY(searchAt(kRegisterA));
        std::vector<std::unique_ptr<tk73regsim::RegisterSimulator>> registers;
        for (const char* address : {kRegisterA, kRegisterB}) {
            tk73regsim::Options options;
            options.address = address;
            options.folder = session.environment.path(std::string("register-") + address);
            options.answerSeconds = 5;
            std::filesystem::create_directories(options.folder);
            registers.push_back(std::make_unique<tk73regsim::RegisterSimulator>(options));
            std::string error;
            QVERIFY2(registers.back()->start(&error), error.c_str());
        }
        const std::string plu = session.store.mainte(kRegister, 4);
        const std::string department = session.store.mainte(kRegister, 5);

        RunningTool tool(session, "");
        ProgramRemote& remote = tool.remote;
        QVERIFY2(remote.awaitWindow(kTool), remote.lastError().c_str());
        QVERIFY2(transfer(remote, tk73dtl::kSend, {4, 5}, {kRegisterA, kRegisterB}),
                 remote.lastError().c_str());
        const std::set<std::string> sent = {tk73regsim::fileId(4) + ".BIN",
                                            tk73regsim::fileId(5) + ".BIN"};
        for (const char* address : {kRegisterA, kRegisterB}) {
            const std::string folder = session.environment.path(std::string("register-") + address);
            QCOMPARE(folderFiles(folder), sent);
        }
        QCOMPARE(
            TempEnvironment::readFile(session.environment.path(
                std::string("register-") + kRegisterA + "/" + tk73regsim::fileId(4) + ".BIN")),
            TempEnvironment::readFile(session.environment.path(
                std::string("register-") + kRegisterB + "/" + tk73regsim::fileId(4) + ".BIN")));

        // Both files change here; only the PLU file is fetched back, from the second register.
        session.store.setMainte(kRegister, 4, changed(plu));
        session.store.setMainte(kRegister, 5, changed(department));
        QVERIFY2(transfer(remote, tk73dtl::kReceive, {4}, {kRegisterB}),
                 remote.lastError().c_str());
        QCOMPARE(session.store.mainte(kRegister, 4), plu);
        QCOMPARE(session.store.mainte(kRegister, 5), changed(department));

        // Each register holds the PLU file the store has and the department file as it was:
        // the selection shows one changed record on each and sends only the department file.
        std::map<std::string, std::filesystem::file_time_type> times;
        const auto registerFile = [&](const char* address, int fileNo) {
            return session.environment.path(std::string("register-") + address + "/" +
                                            tk73regsim::fileId(fileNo) + ".BIN");
        };
        for (const char* address : {kRegisterA, kRegisterB}) {
            for (int fileNo : {4, 5}) {
                times[registerFile(address, fileNo)] =
                    std::filesystem::last_write_time(registerFile(address, fileNo));
            }
        }
        std::vector<std::vector<std::string>> shown;
        QVERIFY2(transfer(remote, tk73dtl::kSend, {4, 5}, {kRegisterA, kRegisterB}, &shown),
                 remote.lastError().c_str());
        QCOMPARE(shown,
                 (std::vector<std::vector<std::string>>{{kRegisterA, "1"}, {kRegisterB, "1"}}));
        for (const char* address : {kRegisterA, kRegisterB}) {
            QCOMPARE(std::filesystem::last_write_time(registerFile(address, 4)),
                     times[registerFile(address, 4)]);
            QVERIFY(std::filesystem::last_write_time(registerFile(address, 5)) !=
                    times[registerFile(address, 5)]);
        }
    }

    void sendsToTheControllerAndReceivesBackWhatWasSent() {
        tk73editortest::EditorSession session(301, kVK500);
        QVERIFY(session.ready());
        CTK73edbVek table(session.store.storeNo());
        QCOMPARE(storetest::listMachinesInUse(table, {kControllerAddress}), 1);
        tk73veksim::Options options;
        options.address = kControllerAddress;
        options.folder = session.environment.path("controller");
        options.modelCode = "KR3010";  // made for the store's register model
        std::filesystem::create_directories(options.folder);
        tk73veksim::ControllerSimulator simulator(options);
        std::string error;
        QVERIFY2(simulator.start(&error), error.c_str());
        const std::string department = session.store.mainte(kController, 5);
        const std::string server = session.store.mainte(kController, 7);

        // The shell's controller setting button.
        RunningTool tool(session, "/CURVEKSET");
        ProgramRemote& remote = tool.remote;
        QVERIFY2(remote.awaitWindow(kTool), remote.lastError().c_str());
        QVERIFY2(transfer(remote, tk73dtl::kSend, {5, 7}, {kControllerAddress}),
                 remote.lastError().c_str());
        QCOMPARE(folderFiles(options.folder),
                 std::set<std::string>({"FILE005P.TXT", "FILE007P.TXT"}));
        QCOMPARE(TempEnvironment::readFile(tk73veksim::storedFile(options.folder, 5, true)),
                 department);
        QCOMPARE(TempEnvironment::readFile(tk73veksim::storedFile(options.folder, 7, true)),
                 server);

        session.store.setMainte(kController, 5, changed(department));
        session.store.setMainte(kController, 7, changed(server));
        QVERIFY2(transfer(remote, tk73dtl::kReceive, {5}, {kControllerAddress}),
                 remote.lastError().c_str());
        QCOMPARE(session.store.mainte(kController, 5), department);
        QCOMPARE(session.store.mainte(kController, 7), changed(server));
    }

    void readFileTakesACsvFileIntoTheStoresFile() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        std::string csv = session.store.mainte(kRegister, 4);
        csv.replace(csv.find("Baguette        "), 16, "Oat bread       ");
        const std::string path = session.environment.path("OAT.CSV");
        TempEnvironment::writeFile(path, csv);

        RunningTool tool(session, "");
        ProgramRemote& remote = tool.remote;
        QVERIFY2(remote.awaitWindow(kTool), remote.lastError().c_str());
        std::vector<size_t> rows;
        QVERIFY(rowsStartingWith(remote, kTool, "QTreeWidget", {"004"}, &rows).size() == 1);
        QVERIFY(remote.act({"context", kTool, "QTreeWidget", std::to_string(rows.front())}));
        QVERIFY2(remote.chooseMenuItem(tk73dtl::kReadFile), remote.lastError().c_str());
        QVERIFY2(remote.chooseMenuItem(tk73dtl::kFromCsvFile), remote.lastError().c_str());
        QVERIFY2(remote.awaitWindow("@QFileDialog") && remote.act({"choosefile", path}),
                 remote.lastError().c_str());
        QVERIFY2(remote.awaitWindow("@CImportRangeDlg") &&
                     remote.act({"click", "@CImportRangeDlg",
                                 std::string("QPushButton:") + tk73pgm::ImportRangeRequest::kRead}),
                 remote.lastError().c_str());
        QTRY_COMPARE_WITH_TIMEOUT(session.store.mainte(kRegister, 4), csv, 10000);
    }
};

QTEST_MAIN(DetailProgramFlowsTest)
#include "program_flows_test.moc"
