// TK73HUB started as users start it, on a staged installation, with a scenario of the agent
// played in it (scenarios/shell_scenarios.cpp): each flow through the program's own start-up and
// its real dialogs.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <thread>
#include <utility>

#include "apps/shell/tests/shell_environment.h"
#include "operations/ops_crp.h"
#include "operations/transfer_log.h"
#include "operations/working_store.h"
#include "platform/api.h"
#include "platform/known_folders.h"
#include "platform/registry_hive.h"
#include "programfiles/pgm_file.h"
#include "storedb/connection_type.h"
#include "storedb/edb_model.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/edb_store.h"
#include "storedb/register_history.h"
#include "storedb/sys_init.h"
#include "storedb/testing/machines_in_use.h"
#include "tests/programs/scenario_run.h"
#include "tools/regsim/register_simulator.h"
#include "tools/stager/demo/demo_shop.h"

namespace tk73hub {
namespace {

namespace fs = std::filesystem;

std::string cardArchive(const std::string& card) {
    return card + "/KELVO/AUTOPGM/KR301.092";
}

tk73test::ScenarioRun play(hubtest::ShellEnvironment& env, const std::string& scenario,
                           std::map<std::string, std::string> arguments) {
    tk73test::ScenarioStart start;
    start.program = hubtest::builtProgram("TK73HUB");
    start.library = "libshell_scenarios.so";
    start.scenario = scenario;
    start.arguments = std::move(arguments);
    start.report = env.temp().path("report.txt");
    start.pictures = TK73_SHELL_SCREENSHOTS;
    return tk73test::runScenario(start);
}

void expectPlayedThrough(const tk73test::ScenarioRun& run) {
    EXPECT_TRUE(run.finished()) << run.summary();
    EXPECT_TRUE(run.failures().empty()) << run.summary();
    EXPECT_EQ(run.exitCode, 0) << run.summary();
}

// The sample shop's archive on the test's card, and no store yet.
void putShopOnCard(hubtest::ShellEnvironment& env, uint32_t userMode) {
    std::string error;
    ASSERT_TRUE(tk73tools::PutSampleShopOnCard(userMode, env.card(), error)) << error;
    ASSERT_EQ(CTK73mntSysInit().ClearDataBase(), 1);
}

TEST(HubProgram, NewSettingsAreNeverSavedOverTheArchiveOpenedBefore) {
    hubtest::ShellEnvironment env(1);
    putShopOnCard(env, 1);
    const std::string archive = hubtest::fileText(cardArchive(env.card()));
    const std::string plu = env.mainteFolder(false) + "/FILE004P.TXT";
    const tk73test::ScenarioRun run = play(env, "newSettingsAreSavedUnderANewName",
                                           {{"CARD", env.card()},
                                            {"PLU_FILE", plu},
                                            {"FROM", "Sourdough loaf  "},
                                            {"TO", "Country loaf    "}});
    expectPlayedThrough(run);
    EXPECT_TRUE(hubtest::fileText(cardArchive(env.card())) == archive);
    // The new settings, edit and all, went to the new name.
    const std::string fresh = env.card() + "/fresh.crp";
    ASSERT_TRUE(fs::exists(fresh));
    const std::string edited = hubtest::fileText(plu);
    MODEL_EDB model;
    ASSERT_EQ(CTK73edbModel().GetModelFromModelNo(301, &model), 1);
    ASSERT_EQ(tk73ops::ResetWorkingStore(1, model, MODEL_EDB()), 1);
    char path[TK73_MAX_PATH] = {};
    fresh.copy(path, fresh.size());
    ASSERT_EQ(CTK73opsCrp(1).OpenCrpFile(path, 0, 0), 1);
    EXPECT_TRUE(hubtest::fileText(plu) == edited);
    EXPECT_NE(edited.find("Country loaf    "), std::string::npos);
}

TEST(HubProgram, TheRegistersListedByHandOutliveNew) {
    hubtest::ShellEnvironment env(1);
    MODEL_EDB model;
    ASSERT_EQ(CTK73edbModel().GetModelFromModelNo(301, &model), 1);
    ASSERT_EQ(tk73ops::ResetWorkingStore(1, model, MODEL_EDB()), 1);
    expectPlayedThrough(play(env, "registerAddressesOutliveNew", {}));
    STORE_EDB store;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(tk73ops::kWorkingStore, &store), 1);
    const tk73store::ConnectionType registers = tk73store::readConnectionType(store, 0);
    EXPECT_EQ(registers.mode, tk73store::kConnectManual);
    EXPECT_EQ(registers.addresses, std::vector<uint32_t>{0x0A010203});
}

TEST(HubProgram, KeysWalkTheWindowAndHelpShowsTheManualWithoutAViewer) {
    hubtest::ShellEnvironment env(0);
    putShopOnCard(env, 0);
    const std::string empty = env.temp().path("media/BLANK");
    fs::create_directories(empty);
    // The desktop has no program for the manual.
    setenv("TK73_OPENER", env.temp().path("no-opener").c_str(), 1);
    const tk73test::ScenarioRun run =
        play(env, "keysAndHelpOfTheMainWindow",
             {{"CARD", env.card()}, {"EMPTY_CARD", empty}, {"EMPTY_ARCHIVE", cardArchive(empty)}});
    unsetenv("TK73_OPENER");
    expectPlayedThrough(run);
}

TEST(HubProgram, TheProLayoutSearchesTheLanAsideAndSavesIntoTheDocuments) {
    hubtest::ShellEnvironment env(2);
    std::string error;
    ASSERT_TRUE(tk73tools::MakeSampleShopStore(error)) << error;
    STORE_EDB shop;
    ASSERT_EQ(CTK73edbStore().GetStoreFromIndex(0, &shop), 1);
    const std::string documents = tk73::knownFolderPath(tk73::KnownFolder::Documents);
    fs::create_directories(documents);

    tk73regsim::Options options;
    options.address = "127.19.21.1";
    options.folder = env.temp().path("register");
    fs::create_directories(options.folder);
    tk73regsim::RegisterSimulator simulator(options);
    ASSERT_TRUE(simulator.start(&error)) << error;
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine,
                                          "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                          "BroadcastAddress", options.address));
    char mainte[TK73_MAX_PATH] = {};
    ASSERT_EQ(CTK73pgmPgmFile(shop.storeNo).GetMaintePath(mainte, 0), 1);
    expectPlayedThrough(play(env, "proLayoutSearchesAndSaves",
                             {{"REGISTER", options.address},
                              {"PLU_FILE", std::string(mainte) + "/FILE004P.TXT"},
                              {"DOCUMENTS", documents}}));
    EXPECT_TRUE(fs::is_empty(documents));
}

// A simulator's files: the bytes and the modification time of each.
using Held = std::map<std::string, std::pair<std::string, fs::file_time_type>>;

Held heldBy(const std::string& folder) {
    Held held;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        held[entry.path().filename().string()] = {hubtest::fileText(entry.path().string()),
                                                  entry.last_write_time()};
    }
    return held;
}

// The files whose bytes or time differ between before and after, or that only one holds.
std::vector<std::string> changedBetween(const Held& before, const Held& after) {
    std::vector<std::string> changed;
    for (const auto& [name, file] : after) {
        const auto was = before.find(name);
        if (was == before.end() || was->second != file) {
            changed.push_back(name);
        }
    }
    for (const auto& [name, file] : before) {
        if (after.count(name) == 0) {
            changed.push_back(name);
        }
    }
    return changed;
}

// Waits, bounded, for the program to reach the turn (scenario's handOver).
bool reached(const std::string& turns, const std::string& turn) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!fs::exists(turns + "/" + turn)) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

void giveTurnBack(const std::string& turns, const std::string& turn) {
    std::ofstream(turns + "/" + turn + ".done") << "done";
}

// Pro layout, the sample shop's three registers on simulators: a first send, nothing known
// before; three prices changed; the selection shows three changed records per register and the
// three fields in each one's changes list, and sends only what changed: only the PLU file moves
// (the simulators' other files keep their bytes and times); the third register fails; the
// transfer history shows the send's two done and one failed; "Retry failed" serves that one
// alone with the PLU file.
TEST(HubProgram, TheChangesOfEachRegisterGoAloneAndWhatFailedIsSentAgainFromTheHistory) {
    hubtest::ShellEnvironment env(2);
    std::string error;
    ASSERT_TRUE(tk73tools::MakeSampleShopStore(error)) << error;
    STORE_EDB shop;
    ASSERT_EQ(CTK73edbStore().GetStoreFromIndex(0, &shop), 1);
    const std::vector<std::string> addresses{"127.19.36.1", "127.19.36.2", "127.19.36.3"};
    CTK73edbRegister registers(shop.storeNo);
    ASSERT_EQ(storetest::listMachinesInUse(registers, addresses), 1);
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine,
                                          "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                          "BroadcastAddress", addresses[0]));
    std::vector<std::unique_ptr<tk73regsim::RegisterSimulator>> simulators;
    const auto simulatorAt = [&](size_t index, tk73regsim::Fault fault) {
        tk73regsim::Options options;
        options.address = addresses[index];
        options.folder = env.temp().path("register" + std::to_string(index + 1));
        options.fault = fault;
        fs::create_directories(options.folder);
        auto simulator = std::make_unique<tk73regsim::RegisterSimulator>(options);
        EXPECT_TRUE(simulator->start(&error)) << error;
        return simulator;
    };
    for (size_t index = 0; index < addresses.size(); ++index) {
        simulators.push_back(simulatorAt(index, tk73regsim::Fault::None));
    }
    const auto folderOf = [&](size_t index) {
        return env.temp().path("register" + std::to_string(index + 1));
    };
    char mainte[TK73_MAX_PATH] = {};
    ASSERT_EQ(CTK73pgmPgmFile(shop.storeNo).GetMaintePath(mainte, 0), 1);
    const std::string plu = std::string(mainte) + "/FILE004P.TXT";
    const std::string turns = env.temp().path("turns");
    fs::create_directories(turns);

    std::future<tk73test::ScenarioRun> run = std::async(std::launch::async, [&] {
        return play(env, "transferHistoryAndChangedOnly",
                    {{"TURNS", turns},
                     {"PLU_FILE", plu},
                     {"REGISTERS", addresses[0] + " " + addresses[1] + " " + addresses[2]}});
    });
    // After the first send: every register holds the same files; the third then cancels what
    // it is sent.
    if (!reached(turns, "first-send")) {
        FAIL() << run.get().summary();
    }
    std::vector<Held> first;
    for (size_t index = 0; index < addresses.size(); ++index) {
        first.push_back(heldBy(folderOf(index)));
    }
    EXPECT_GT(first[0].size(), 1u);
    for (const Held& held : first) {
        EXPECT_EQ(held.size(), first[0].size());
        for (const auto& [name, file] : held) {
            EXPECT_TRUE(first[0].count(name) == 1 && first[0].at(name).first == file.first) << name;
        }
    }
    simulators[2].reset();
    simulators[2] = simulatorAt(2, tk73regsim::Fault::Cancel);
    giveTurnBack(turns, "first-send");

    // After the send of what changed: only the PLU file of the first two moved, nothing of the
    // third; then the third works again.
    if (!reached(turns, "second-send")) {
        FAIL() << run.get().summary();
    }
    const std::string pluHeld = fs::path(tk73regsim::storedFile(folderOf(0), 4)).filename();
    std::vector<Held> second;
    for (size_t index = 0; index < addresses.size(); ++index) {
        second.push_back(heldBy(folderOf(index)));
        EXPECT_EQ(changedBetween(first[index], second[index]),
                  index < 2 ? std::vector<std::string>{pluHeld} : std::vector<std::string>{})
            << addresses[index];
    }
    simulators[2].reset();
    simulators[2] = simulatorAt(2, tk73regsim::Fault::None);
    giveTurnBack(turns, "second-send");

    expectPlayedThrough(run.get());
    // The retry served the third register alone, with the PLU file alone.
    for (size_t index = 0; index < addresses.size(); ++index) {
        EXPECT_EQ(changedBetween(second[index], heldBy(folderOf(index))),
                  index < 2 ? std::vector<std::string>{} : std::vector<std::string>{pluHeld})
            << addresses[index];
    }
    EXPECT_EQ(heldBy(folderOf(2)).at(pluHeld).first, heldBy(folderOf(0)).at(pluHeld).first);
    const std::vector<tk73ops::TransferLogEntry> log =
        tk73ops::readTransferLog(tk73store::transferLogPath(shop.storeNo));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().address, addresses[2]);
    EXPECT_TRUE(log.back().done);
    EXPECT_EQ(log.back().files.size(), 1u);
    EXPECT_EQ(log.back().files[0].first, 4);
    // The register's copy is the store's PLU file with the three prices.
    EXPECT_EQ(hubtest::fileText(tk73store::registerSnapshotPath(shop.storeNo, 3) + "/FILE004P.TXT"),
              hubtest::fileText(plu));
}

}  // namespace
}  // namespace tk73hub
