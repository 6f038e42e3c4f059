// Sending the store's files to the registers found on the LAN and fetching them back, with the
// select and run dialogs answered by the test: register simulators on loopback addresses of
// their own, one of them busy at first, and a listed register that never answers; in the
// controller tool, controller simulators of two register models.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>

#include "archive/testing/archive_fixture.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "landialogs/lan_run.h"
#include "landialogs/lan_select.h"
#include "landialogs/testing/controller_tool_running.h"
#include "network/file_conversion.h"
#include "operations/ops_sock_register.h"
#include "operations/transfer_log.h"
#include "operations/vek_rs_sock.h"
#include "platform/registry_hive.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/register_history.h"
#include "storedb/testing/machines_in_use.h"
#include "tools/regsim/register_simulator.h"
#include "tools/veksim/controller_simulator.h"

namespace {

using archivetest::kKR301;
using archivetest::kVK500;
using tk73::Button;
using tk73lan::LanRunRequest;
using tk73lan::LanSelectRequest;
using Files = std::map<std::string, std::string>;

constexpr const char* kFirst = "127.19.5.1";
constexpr const char* kSecond = "127.19.5.2";
constexpr const char* kSilent = "127.19.5.9";

class LanExecute : public archivetest::ArchiveTest {
  protected:
    void SetUp() override {
        store_ = makeStore(kKR301);
        select(store_);
        ASSERT_TRUE(
            tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                      "BroadcastAddress", std::string(kFirst) + "," + kSecond));
    }
    static void select(const Store& store) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", store.number);
        ASSERT_EQ(AecrbsSetDesktopRegister("001", number, "001"), 1);
    }
    std::string folderOf(const std::string& address) const {
        return install_.path("register-" + address);
    }
    std::unique_ptr<tk73regsim::RegisterSimulator> startRegister(
        const std::string& address, tk73regsim::Fault fault = tk73regsim::Fault::None) {
        tk73regsim::Options options;
        options.address = address;
        options.folder = folderOf(address);
        options.fault = fault;
        options.answerSeconds = 5;
        std::filesystem::create_directories(options.folder);
        auto simulator = std::make_unique<tk73regsim::RegisterSimulator>(options);
        std::string error;
        EXPECT_TRUE(simulator->start(&error)) << error;
        return simulator;
    }
    // The store's register table lists registers in use at the addresses, numbered from 1.
    void listRegisters(const std::vector<std::string>& addresses) const {
        CTK73edbRegister table(store_.number);
        ASSERT_EQ(storetest::listMachinesInUse(table, addresses), 1);
    }
    // The select dialog, which names the work, searches and keeps the addresses of the set
    // checked.
    void chooseOnSearch(std::set<std::string> wanted, const std::string& work) {
        ui_.handleDialog(std::string(LanSelectRequest::kName),
                         [wanted, work](tk73::DialogRequest& request) {
                             auto& select = dynamic_cast<LanSelectRequest&>(request);
                             EXPECT_EQ(select.title(), "Select ECR");
                             EXPECT_EQ(select.workTitle(), work);
                             select.search(false);
                             for (size_t i = 0; i < select.machines().size(); ++i) {
                                 select.check(i, wanted.count(select.machines()[i].address) == 1);
                             }
                             return Button::Ok;
                         });
    }
    static size_t rowOf(const LanRunRequest& run, const std::string& address) {
        for (size_t i = 0; i < run.tasks().size(); ++i) {
            if (run.tasks()[i].ipAddress == address) {
                return i;
            }
        }
        ADD_FAILURE() << address << " has no row";
        return run.tasks().size();
    }

    Store store_;
};

TEST_F(LanExecute, SendsToEveryFoundRegisterRetriesTheBusyOneAndConvertsAnOldReceivedSetMenu) {
    listRegisters({kSilent, kFirst});
    auto first = startRegister(kFirst);
    auto second = startRegister(kSecond, tk73regsim::Fault::Busy);
    chooseOnSearch({kFirst, kSecond, kSilent}, "Data send");
    ui_.handleDialog(std::string(LanRunRequest::kName), [&](tk73::DialogRequest& request) {
        auto& run = dynamic_cast<LanRunRequest&>(request);
        EXPECT_EQ(run.title(), "Sending");
        EXPECT_EQ(run.tasks().size(), 3u);
        run.executeAll();
        const size_t busy = rowOf(run, kSecond);
        const size_t silent = rowOf(run, kSilent);
        EXPECT_EQ(run.tasks()[rowOf(run, kFirst)].result, "Normal End.");
        EXPECT_EQ(run.tasks()[busy].result,
                  "Register communication error End.(The register is busy.)");
        EXPECT_EQ(run.tasks()[silent].result,
                  "Register communication error End.(Failed to communicate with the register)");
        EXPECT_LE(run.tasks()[silent].status, 0);
        // The busy register is free again.
        second.reset();
        second = startRegister(kSecond);
        run.executeOne(busy);
        EXPECT_EQ(run.outcomeOfOne(busy), "Normal end.");
        EXPECT_EQ(run.firstFailed(), silent);
        run.endCode = LanRunRequest::kLeftWithFailures;
        return Button::Cancel;
    });
    const auto started = std::chrono::steady_clock::now();
    CTK73opsSockRegister sending;
    EXPECT_EQ(sending.ExecuteSocket(kKR301, 0, {4, 5, 28}), 1);
    // Six attempts, two seconds apart, for the register that never answers.
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    const Files sentFirst = archivetest::StagedInstallation::folderFiles(folderOf(kFirst));
    EXPECT_EQ(sentFirst.size(), 3u);
    EXPECT_EQ(archivetest::StagedInstallation::folderFiles(folderOf(kSecond)), sentFirst);
    const std::string packed = install_.path("packed.bin");
    ASSERT_EQ(TK73ssl_PackBinFile(packed.c_str(), 4), 1);
    EXPECT_EQ(read(packed), sentFirst.at("000004.BIN"));
    // Each transfer of the run dialog is in the store's log; the store's register that got the
    // files (machine 2) holds copies of them, the one that never answered none.
    std::string entries;
    for (const tk73ops::TransferLogEntry& entry :
         tk73ops::readTransferLog(tk73store::transferLogPath(store_.number))) {
        entries += entry.direction + " " + std::to_string(entry.machineNo) + " " + entry.address +
                   " " + (entry.done ? "done" : "failed") + "\n";
    }
    EXPECT_EQ(entries, std::string("send 1 ") + kSilent + " failed\nsend 2 " + kFirst +
                           " done\nsend 0 " + kSecond + " failed\nsend 0 " + kSecond + " done\n");
    const std::string copies = tk73store::registerSnapshotPath(store_.number, 2);
    for (const char* name : {"FILE004P.TXT", "FILE005P.TXT", "FILE028P.TXT"}) {
        EXPECT_EQ(read(copies + "/" + name), read(store_.mainte + "/" + name)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(tk73store::registerSnapshotPath(store_.number, 1)));

    // A register that still keeps its set menu in version 0.
    const std::string converted = read(store_.mainte + "/FILE028P.TXT");
    char registerFolder[TK73_MAX_PATH] = {};
    AecrbsGetTK73RegisterPath(registerFolder);
    const Store old = makeStore(kKR301);
    write(old.mainte + "/FILE028P.TXT",
          read(std::string(registerFolder) + "/KR301/OLDVERSION/FILE028P.TXT"));
    select(old);
    ASSERT_EQ(TK73ssl_PackBinFile(tk73regsim::storedFile(folderOf(kFirst), 28).c_str(), 28), 1);
    select(store_);
    write(store_.mainte + "/FILE028P.TXT", "");
    chooseOnSearch({kFirst}, "Data receive");
    ui_.handleDialog(std::string(LanRunRequest::kName), [&](tk73::DialogRequest& request) {
        auto& run = dynamic_cast<LanRunRequest&>(request);
        EXPECT_EQ(run.title(), "Receiving");
        run.executeAll();
        EXPECT_TRUE(run.allDone());
        run.endCode = LanRunRequest::kAllDone;
        return Button::Ok;
    });
    CTK73opsSockRegister receiving;
    EXPECT_EQ(receiving.ExecuteSocket(kKR301, 1, {28}), 1);
    EXPECT_EQ(read(store_.mainte + "/FILE028P.TXT"), converted);
}

TEST_F(LanExecute, TheControllerToolFindsTheRegisterModelsControllersAndZerosUnsetPluCodes) {
    const tk73lantest::ControllerToolRunning tool;
    const Store store = makeStore(kKR301, kVK500);
    select(store);
    const std::string mainte = archivetest::StagedInstallation::mainteFolder(store.number, 1);
    std::vector<std::unique_ptr<tk73veksim::ControllerSimulator>> controllers;
    for (const auto& [address, model] : std::vector<std::pair<std::string, std::string>>{
             {"127.19.6.1", "KR3010"}, {"127.19.6.2", "KR4200"}}) {
        tk73veksim::Options options;
        options.address = address;
        options.folder = install_.path("controller-" + address);
        options.machineNo = "0007";
        options.modelCode = model;
        std::filesystem::create_directories(options.folder);
        controllers.push_back(std::make_unique<tk73veksim::ControllerSimulator>(options));
        std::string error;
        ASSERT_TRUE(controllers.back()->start(&error)) << error;
    }
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine,
                                          "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                          "BroadcastAddress", "127.19.6.1,127.19.6.2"));
    // The work each select dialog named.
    std::vector<std::string> works;
    const auto runOnTheFoundController = [&] {
        ui_.handleDialog(std::string(LanSelectRequest::kName), [&](tk73::DialogRequest& request) {
            auto& select = dynamic_cast<LanSelectRequest&>(request);
            EXPECT_TRUE(select.controller());
            works.push_back(select.workTitle());
            select.search(false);
            // Only the controller made for this store's register model.
            EXPECT_EQ(select.machines().size(), 1u);
            EXPECT_EQ(select.machines().at(0).address, "127.19.6.1");
            EXPECT_EQ(select.machines().at(0).machineNo, "0007");
            EXPECT_TRUE(select.machines().at(0).checked);
            return Button::Ok;
        });
        ui_.handleDialog(std::string(LanRunRequest::kName), [](tk73::DialogRequest& request) {
            auto& run = dynamic_cast<LanRunRequest&>(request);
            EXPECT_TRUE(run.controller());
            run.executeAll();
            EXPECT_EQ(run.tasks().at(0).result, "Normal End.");
            run.endCode = LanRunRequest::kAllDone;
            return Button::Ok;
        });
    };
    runOnTheFoundController();
    CVekRSSock sending;
    EXPECT_EQ(sending.ExecuteVekSocket(0, 0, {5, 7}), 1);
    const std::string controller = install_.path("controller-127.19.6.1");
    EXPECT_EQ(read(tk73veksim::storedFile(controller, 7, true)), read(mainte + "/FILE007P.TXT"));
    EXPECT_EQ(controllers[1]->transfers(), 0);

    // The controller marks a PLU code it never set with "E"s; the store keeps zeros.
    const std::string plu = read(mainte + "/FILE004P.TXT");
    const std::string code = "04012300000075";
    ASSERT_NE(plu.find(code), std::string::npos);
    std::string marked = plu;
    marked.replace(marked.find(code), code.size(), std::string(code.size(), 'E'));
    write(tk73veksim::storedFile(controller, 4, true), marked);
    runOnTheFoundController();
    CVekRSSock receiving;
    EXPECT_EQ(receiving.ExecuteVekSocket(1, 0, {4}), 1);
    std::string zeros = plu;
    zeros.replace(zeros.find(code), code.size(), std::string(code.size(), '0'));
    EXPECT_EQ(read(mainte + "/FILE004P.TXT"), zeros);
    EXPECT_EQ(works, (std::vector<std::string>{"Data send", "Data receive"}));
}

}  // namespace
