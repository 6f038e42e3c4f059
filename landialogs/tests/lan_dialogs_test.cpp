// The LAN dialogs' interface: task lines and statuses, the run of a transfer over every task with
// a retry of the failed one, and the select dialog's search against register and controller
// simulators on loopback addresses.

#include "landialogs/lan_dialogs.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "archive/testing/archive_fixture.h"
#include "landialogs/lan_discovery.h"
#include "landialogs/lan_handle.h"
#include "landialogs/lan_run.h"
#include "landialogs/lan_select.h"
#include "landialogs/lan_select_pair.h"
#include "landialogs/testing/controller_tool_running.h"
#include "network/app_context.h"
#include "network/net_errors.h"
#include "platform/registry_hive.h"
#include "tools/regsim/register_simulator.h"
#include "tools/veksim/controller_simulator.h"

namespace {

using tk73::Button;
using tk73lan::LanRunRequest;
using tk73lan::LanSelectPairRequest;
using tk73lan::LanSelectRequest;

// Fails every address of the set once, then succeeds; counts the calls.
struct FlakyMachines {
    std::set<std::string> failOnce;
    std::vector<std::string> calls;
};

int TK73_API flakyTransfer(int machineNo, void* callerValue, const char* branchNo,
                           const char* storeNo, const char* ipAddress, char* message,
                           char* detail) {
    auto* machines = static_cast<FlakyMachines*>(callerValue);
    machines->calls.push_back(std::string(ipAddress) + "#" + std::to_string(machineNo));
    if (machines->failOnce.erase(ipAddress) == 1) {
        std::snprintf(message, 4096, "Failed to communicate with the register");
        return -1;
    }
    std::snprintf(message, 4096, "Normal End.");
    return 1;
}

class LanDialogs : public archivetest::ArchiveTest {
  protected:
    static int status(TK73LanHandle* handle, const char* machineNo) {
        int value = 99;
        return TK73LanGetRWDStatus(handle, "000", "000", machineNo, &value) == 1 ? value : 99;
    }
};

TEST_F(LanDialogs, TaskLinesKeepSixFieldLinesAndStatusesFollowTheRun) {
    TK73LanHandle* handle = TK73LanCreateRWD();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(TK73LanSetInfoRWD(handle, ""), 0);
    EXPECT_EQ(TK73LanSetInfoRWD(handle,
                                "000,Brch,000,Store,001,127.0.0.1\r\n"
                                "000,Brch,000,Store,127.0.0.9\n"
                                "\"000\",,000,\"Sto,re \"\"A\"\"\",002,127.0.0.4\r\n"),
              1);
    std::vector<tk73lan::LanTask> seen;
    FlakyMachines machines{{"127.0.0.4"}, {}};
    ui_.handleDialog(std::string(LanRunRequest::kName), [&](tk73::DialogRequest& request) {
        auto& run = dynamic_cast<LanRunRequest&>(request);
        seen = run.tasks();
        run.executeAll();
        EXPECT_EQ(run.outcomeOfAll(), "Error end some of Controler box.");
        EXPECT_EQ(run.firstFailed(), 1u);
        EXPECT_EQ(run.tasks()[1].result, "Failed to communicate with the register");
        EXPECT_EQ(run.exitQuestion(), "Error end some of ECR.\nDo you exit without retry?");
        run.executeOne(run.firstFailed());
        EXPECT_EQ(run.outcomeOfOne(1), "Normal end.");
        EXPECT_TRUE(run.allDone());
        EXPECT_EQ(run.outcomeOfAll(), "Normal end all of task");
        run.endCode = LanRunRequest::kAllDone;
        return Button::Ok;
    });
    EXPECT_EQ(TK73LanDoModalRWD(handle, "Sending", flakyTransfer, &machines), 0);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].branchName, "Independents");
    EXPECT_EQ(seen[1].storeName, "Sto,re \"A\"");
    EXPECT_EQ(machines.calls,
              (std::vector<std::string>{"127.0.0.1#1", "127.0.0.4#2", "127.0.0.4#2"}));
    EXPECT_EQ(status(handle, "001"), 1);
    EXPECT_EQ(status(handle, "002"), 1);
    EXPECT_EQ(status(handle, "003"), 99);
    EXPECT_EQ(TK73LanDeleteRWD(handle), 1);
    EXPECT_EQ(TK73LanDeleteRWD(nullptr), 0);
    EXPECT_EQ(TK73bslGetErrno(nullptr), tk73net::kErrParameter);
}

TEST_F(LanDialogs, LeavingWithFailedTasksEndsTheRunAsNotDone) {
    TK73LanHandle* handle = TK73LanVekCreateRWD();
    TK73LanVekSetInfoRWD(handle, "000,Brch,000,Store,000,127.0.0.3");
    FlakyMachines machines{{"127.0.0.3"}, {}};
    ui_.handleDialog(std::string(LanRunRequest::kName), [&](tk73::DialogRequest& request) {
        auto& run = dynamic_cast<LanRunRequest&>(request);
        run.executeAll();
        EXPECT_EQ(run.exitQuestion(),
                  "There are controller which is error end.\nAre you sure to exit without "
                  "execute to these controller?");
        run.endCode = LanRunRequest::kLeftWithFailures;
        return Button::Cancel;
    });
    EXPECT_EQ(TK73LanVekDoModalRWD(handle, "Receiving", flakyTransfer, &machines), 2);
    int value = 0;
    EXPECT_EQ(TK73LanVekGetRWDStatus(handle, "000", "000", "000", &value), 1);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(TK73LanVekDoModalRWD(handle, "Receiving", nullptr, &machines), 2);
    TK73LanVekDeleteRWD(handle);
}

TEST_F(LanDialogs, SearchListsEachAnsweringRegisterOnceAndAnswersTheCheckedAddresses) {
    std::vector<std::unique_ptr<tk73regsim::RegisterSimulator>> registers;
    for (const char* address : {"127.19.3.1", "127.19.3.2"}) {
        tk73regsim::Options options;
        options.address = address;
        options.folder = install_.path(address);
        std::filesystem::create_directories(options.folder);
        registers.push_back(std::make_unique<tk73regsim::RegisterSimulator>(options));
        std::string error;
        ASSERT_TRUE(registers.back()->start(&error)) << error;
    }
    // The first one is named twice: it answers twice and is listed once.
    ASSERT_TRUE(tk73::registryWriteString(
        tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN", "BroadcastAddress",
        "127.19.3.1, 127.19.3.2,127.19.3.1,127.19.3.9"));
    TK73LanHandle* handle = TK73LanCreateRWD();
    ui_.handleDialog(std::string(LanSelectRequest::kName), [](tk73::DialogRequest& request) {
        auto& select = dynamic_cast<LanSelectRequest&>(request);
        EXPECT_EQ(select.title(), "Select ECR");
        select.search(false);
        const auto& machines = select.machines();
        EXPECT_EQ(machines.size(), 2u);
        std::set<std::string> addresses;
        for (const auto& machine : machines) {
            addresses.insert(machine.address);
        }
        EXPECT_EQ(addresses, (std::set<std::string>{"127.19.3.1", "127.19.3.2"}));
        EXPECT_EQ(select.chosen().size(), 1u);
        select.checkAll(true);
        return Button::Ok;
    });
    ASSERT_EQ(TK73LanDoModalRSD(handle, "Select ECR", "KR3010", 0), 0);
    ASSERT_EQ(TK73LanGetRSDCount(handle), 2);
    char address[16] = {};
    EXPECT_EQ(TK73LanGetRSDIPAddr(handle, 1, address), 0);
    EXPECT_EQ(std::string(address).rfind("127.19.3.", 0), 0u);
    EXPECT_EQ(TK73LanGetRSDIPAddr(handle, 2, address), 2);
    EXPECT_EQ(TK73LanGetRSDIPAddr(handle, 0, nullptr), 2);

    // Cancelled: the context says so.
    ui_.handleDialog(std::string(LanSelectRequest::kName),
                     [](tk73::DialogRequest&) { return Button::Cancel; });
    EXPECT_EQ(TK73LanDoModalRSD(handle, "Select ECR", "KR3010", 0), 2);
    EXPECT_EQ(TK73bslGetErrno(handle->context), tk73net::kErrSystem);
    TK73LanDeleteRWD(handle);
}

// The search socket listens on the interface of the addresses it searches (here the loopback
// interface, 127.0.0.1): an answer sent to another address of the machine is none of its.
TEST_F(LanDialogs, ASearchTakesAnswersOnTheInterfaceOfItsTargetsOnly) {
    tk73regsim::Options options;
    options.address = "127.19.3.5";
    options.folder = install_.path("register");
    std::filesystem::create_directories(options.folder);
    tk73regsim::RegisterSimulator simulator(options);
    std::string error;
    ASSERT_TRUE(simulator.start(&error)) << error;
    std::atomic<bool> searching{true};
    std::thread stranger([&searching] {
        const int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in from{};
        from.sin_family = AF_INET;
        inet_pton(AF_INET, "127.66.0.1", &from.sin_addr);
        ::bind(s, reinterpret_cast<sockaddr*>(&from), sizeof from);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(tk73lan::kRegisterSearchPort);
        inet_pton(AF_INET, "127.0.0.2", &to.sin_addr);
        std::string answer(36, '\0');
        answer[2] = '[';
        while (searching) {
            ::sendto(s, answer.data(), answer.size(), 0, reinterpret_cast<sockaddr*>(&to),
                     sizeof to);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::close(s);
    });
    const std::vector<tk73lan::SearchAnswer> found =
        tk73lan::searchMachines(false, {"127.19.3.5"}, 1000);
    searching = false;
    stranger.join();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].address, "127.19.3.5");
}

TEST_F(LanDialogs, ControllersAreSearchedForByTheControllerToolForAKnownRegisterModelOnly) {
    tk73veksim::Options options;
    options.address = "127.19.4.1";
    options.folder = install_.path("controller");
    options.machineNo = "0003";
    options.modelCode = "KR3010";
    std::filesystem::create_directories(options.folder);
    tk73veksim::ControllerSimulator controller(options);
    std::string error;
    ASSERT_TRUE(controller.start(&error)) << error;
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine,
                                          "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                          "BroadcastAddress", options.address));
    // What each dialog found, as "address#machine".
    std::vector<std::string> found;
    TK73LanHandle* handle = TK73LanVekCreateRWD();
    const auto selectFor = [&](const char* modelCode) {
        ui_.handleDialog(std::string(LanSelectRequest::kName), [&](tk73::DialogRequest& request) {
            auto& select = dynamic_cast<LanSelectRequest&>(request);
            EXPECT_EQ(select.nothingChosenPrompt(),
                      "Not selected control box. Please select control box.");
            select.search(false);
            std::string listed;
            for (const auto& machine : select.machines()) {
                listed += machine.address + "#" + machine.machineNo;
            }
            found.push_back(listed);
            return Button::Ok;
        });
        return TK73LanVekDoModalRSDIndividual(handle, "Select target machine", modelCode, 0);
    };
    // The register tool does not look for controllers, whatever the model.
    EXPECT_EQ(selectFor("KR3010"), 0);
    {
        const tk73lantest::ControllerToolRunning tool;
        selectFor("000000");
        selectFor("KR3010");
    }
    EXPECT_EQ(found, (std::vector<std::string>{"", "", "127.19.4.1#0003"}));
    EXPECT_EQ(TK73LanVekGetRSDCount(handle), 1);

    // A controller is known by the address its answer names, not by the one it answered from;
    // an answer that names none falls back on the sender.
    controller.stop();
    for (const std::string& named : {std::string("127.19.4.8"), std::string("no address")}) {
        options.namedAddress = named;
        tk73veksim::ControllerSimulator other(options);
        ASSERT_TRUE(other.start(&error)) << error;
        const auto answers = tk73lan::searchMachines(true, {options.address}, 1000);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].address, named == "no address" ? options.address : named);
        EXPECT_EQ(answers[0].machineNo, "0003");
    }

    // The combined dialog: a controller list and a register list.
    TK73LanHandle* registers = TK73LanCreateRWD();
    ui_.handleDialog(std::string(LanSelectPairRequest::kName), [](tk73::DialogRequest& request) {
        auto& pair = dynamic_cast<LanSelectPairRequest&>(request);
        EXPECT_TRUE(pair.controllers().controller());
        EXPECT_FALSE(pair.registers().controller());
        EXPECT_FALSE(pair.anythingChosen());
        EXPECT_EQ(pair.registers().workTitle(), "Data receive");
        EXPECT_EQ(pair.controllers().listCaption(), "Receive from");
        return Button::Cancel;
    });
    EXPECT_EQ(TK73LanVekDoModalRSD(registers, handle, "Select target machine", 1), 2);
    EXPECT_EQ(TK73LanVekDoModalRSD(registers, nullptr, "Select target machine", 0), 2);
    TK73LanDeleteRWD(registers);
    TK73LanVekDeleteRWD(handle);
}

}  // namespace
