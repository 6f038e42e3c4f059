// TK73HUB started as users start it, on a staged installation, with a scenario of the agent
// played in it (scenarios/shell_scenarios.cpp): each flow through the program's own start-up and
// its real dialogs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "apps/shell/tests/shell_environment.h"
#include "operations/ops_crp.h"
#include "operations/working_store.h"
#include "platform/api.h"
#include "platform/known_folders.h"
#include "platform/registry_hive.h"
#include "programfiles/pgm_file.h"
#include "storedb/connection_type.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "storedb/sys_init.h"
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

}  // namespace
}  // namespace tk73hub
