#include "storedb/sys_mainte.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "platform/ini_profile.h"
#include "storedb/edb_branch.h"
#include "storedb/edb_model.h"
#include "storedb/machine_list.h"
#include "storedb/store_life_cycle.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using tk73::Button;
using tk73store::SysMainteKind;
using tk73store::SysMaintenance;
using Strings = std::vector<std::string>;

class SystemMaintenance : public ::testing::Test {
  protected:
    void SetUp() override {
        CTK73edbModel first;
        STORE_EDB shop = storetest::storeRecord(0, "Shop", storetest::kKR301);
        ASSERT_EQ(tk73store::CreateStore(shop), 1);
        ASSERT_EQ(tk73store::WriteMachineList(shop.storeNo, 0, {0x0A000001u}), 1);
    }

    // A backup folder that exists, so no question asks to make it.
    std::string backupFolder(const std::string& name) const {
        const std::string folder = environment.temp().path(name);
        std::filesystem::create_directories(folder);
        return folder;
    }

    static std::string backupType(const std::string& folder) {
        char type[64] = {};
        tk73_GetPrivateProfileStringA("ECRSBACKUP", "BACKUPTYPE", "", type, sizeof type,
                                      (folder + "/ecrsbkup.ini").c_str());
        return type;
    }

    // Answers the confirmation with OK and runs the command; the progress message it ran under.
    std::string run(SysMainteKind kind, const std::string& folder) {
        const size_t before = ui.textsOf(tk73test::InteractionKind::Progress).size();
        ui.pressButton(Button::Ok);
        EXPECT_TRUE(SysMaintenance(kind).accept(folder));
        const Strings progress = ui.textsOf(tk73test::InteractionKind::Progress);
        EXPECT_EQ(progress.size(), before + 1);
        return progress.size() > before ? progress.back() : std::string();
    }

    storetest::StoreTestEnvironment environment;
    tk73test::ScriptedUserInteraction ui;
};

TEST_F(SystemMaintenance, ConnectionCommandsCarryOnlyTheStoreAndRegisterTables) {
    const std::string connect = backupFolder("connect");
    const std::string system = backupFolder("system");
    EXPECT_EQ(run(SysMainteKind::ConnectBackup, connect), "Connect Information Backup ...");
    EXPECT_EQ(environment.listing(connect + "/ecrsbkup"), (Strings{"REGISTER.edb", "STORE.edb"}));
    EXPECT_EQ(backupType(connect), "CONNECTBACKUP");
    EXPECT_EQ(run(SysMainteKind::SystemBackup, system), "System Backup ...");
    const Strings database = environment.dataBaseListing();
    EXPECT_EQ(environment.listing(system + "/ecrsbkup"), database);
    EXPECT_EQ(backupType(system), "SYSTEMBACKUP");
    const std::string stores = environment.table("STORE");
    const std::string registers = environment.table("REGISTER");
    const std::string branches = environment.table("BRANCH");

    // A second store, a branch and a register list of the new store.
    STORE_EDB later = storetest::storeRecord(0, "Later", storetest::kKR420);
    ASSERT_EQ(tk73store::CreateStore(later), 1);
    BRANCH_EDB branch;
    branch.branchNo = 1;
    branch.branchName = "East";
    ASSERT_EQ(CTK73edbBranch().AddBranch(branch), 1);
    ASSERT_EQ(tk73store::WriteMachineList(later.storeNo, 0, {0x0A000002u}), 1);
    const std::string changedBranches = environment.table("BRANCH");

    // The connection restore takes back the two tables and leaves the rest as it is now.
    EXPECT_EQ(run(SysMainteKind::ConnectRestore, connect), "Connect Information Restore ...");
    EXPECT_EQ(environment.table("STORE"), stores);
    EXPECT_EQ(environment.table("REGISTER"), registers);
    EXPECT_EQ(environment.table("BRANCH"), changedBranches);
    EXPECT_TRUE(std::filesystem::exists(environment.storeFolder(later.storeNo)));

    // The system restore takes back everything.
    EXPECT_EQ(run(SysMainteKind::SystemRestore, system), "System Restore ...");
    EXPECT_EQ(environment.dataBaseListing(), database);
    EXPECT_EQ(environment.table("BRANCH"), branches);

    // Neither restore takes the other's backup.
    for (const auto& [kind, folder] : {std::pair{SysMainteKind::ConnectRestore, system},
                                       std::pair{SysMainteKind::SystemRestore, connect}}) {
        ui.pressButton(Button::Ok);
        EXPECT_FALSE(SysMaintenance(kind).accept(folder));
    }
}

TEST_F(SystemMaintenance, EveryCommandIsAskedForWithCancelAsTheDefault) {
    const std::string folder = backupFolder("backup");
    const Strings database = environment.dataBaseListing();
    const std::string stores = environment.table("STORE");
    for (const SysMainteKind kind :
         {SysMainteKind::SystemInit, SysMainteKind::SystemBackup, SysMainteKind::SystemRestore,
          SysMainteKind::ConnectBackup, SysMainteKind::ConnectRestore}) {
        ui.pressButton(Button::Cancel);
        SysMaintenance maintenance(kind);
        EXPECT_FALSE(maintenance.accept(folder));
        const tk73test::RecordedInteraction question = ui.calls().back();
        EXPECT_EQ(question.kind, tk73test::InteractionKind::Question);
        EXPECT_EQ(question.buttons, tk73::Buttons::OkCancel);
        EXPECT_EQ(question.defaultButton, Button::Cancel) << question.text;
    }
    EXPECT_EQ(ui.textsOf(tk73test::InteractionKind::Question),
              (Strings{"Are you sure to start clear system?", "Are you sure to start back up?",
                       "Are you sure to start restore?", "Are you sure to start back up?",
                       "Are you sure to start restore?"}));
    EXPECT_TRUE(ui.textsOf(tk73test::InteractionKind::Progress).empty());
    EXPECT_EQ(environment.dataBaseListing(), database);
    EXPECT_EQ(environment.table("STORE"), stores);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
