#include "storedb/store_life_cycle.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "storedb/copy_pgm_files_notice.h"
#include "storedb/edb_model.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/edb_store.h"
#include "storedb/machine_list.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using storetest::kKR301;
using storetest::kKR420;
using storetest::kVK500;
using storetest::storeRecord;
using Strings = std::vector<std::string>;

class StoreLifeCycle : public ::testing::Test {
  protected:
    void SetUp() override {
        CTK73edbModel first;
        previous_ = tk73store::SetCopyPgmFilesHandler(
            [this](int storeNo, int kinds) { notices.emplace_back(storeNo, kinds); });
    }
    void TearDown() override { tk73store::SetCopyPgmFilesHandler(previous_); }

    // The database folder without the table files.
    Strings storeFolders() const {
        Strings folders;
        for (const std::string& entry : environment.dataBaseListing()) {
            if (entry.find(".edb") == std::string::npos) {
                folders.push_back(entry);
            }
        }
        return folders;
    }

    // The same with the bytes of every file (a folder has none).
    std::map<std::string, std::string> storeImage() const {
        std::map<std::string, std::string> image;
        for (const std::string& entry : storeFolders()) {
            const std::string path = environment.dataBaseFolder() + "/" + entry;
            image[entry] = std::filesystem::is_directory(path)
                               ? std::string()
                               : tk73test::TempEnvironment::readFile(path);
        }
        return image;
    }

    STORE_EDB created(const std::string& name, int regModelNo, int vekModelNo = 0) {
        STORE_EDB store = storeRecord(0, name, regModelNo, vekModelNo);
        EXPECT_EQ(tk73store::CreateStore(store), 1);
        return store;
    }

    storetest::StoreTestEnvironment environment;
    tk73test::ScriptedUserInteraction ui;
    std::vector<std::pair<int, int>> notices;

  private:
    tk73store::CopyPgmFilesHandler previous_;
};

TEST_F(StoreLifeCycle, CreateTakesTheFirstFreeNumberAndCopiesTheDefinitions) {
    environment.makeStoreFolder(1);
    STORE_EDB store = storeRecord(0, "Main street", kKR301, kVK500);
    store.changeBusinessDay = "0600";
    ASSERT_EQ(tk73store::CreateStore(store), 1);
    EXPECT_EQ(store.storeNo, 2);
    EXPECT_EQ(store.changeBusinessDay, "0000");
    EXPECT_EQ(store.vekLinkage, '0');
    EXPECT_EQ(store.update.size(), 12u);
    EXPECT_EQ(storeFolders(), (Strings{"S001", "S002", "S002/M001", "S002/M001/KR301.INI",
                                       "S002/O001", "S002/O001/VK500.INI"}));
    EXPECT_EQ(notices, (std::vector<std::pair<int, int>>{{2, tk73store::kCopyPgmFilesBoth}}));

    STORE_EDB read;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(2, &read), 1);
    EXPECT_EQ(read.storeName, "Main street");
    EXPECT_EQ(CTK73edbStore().GetStoreCnt(), 1);
}

TEST_F(StoreLifeCycle, AFailedCreateLeavesTablesAndFoldersAsTheyWere) {
    created("First", kKR301);
    notices.clear();
    const std::string storeTable = environment.table("STORE");
    const Strings folders = storeFolders();

    // The controller's default definition is gone: the store was added, then taken back.
    std::filesystem::remove(environment.modelFolder("VK500", 1) + "/VK500.INI");
    STORE_EDB store = storeRecord(0, "Second", kKR420, kVK500);
    EXPECT_EQ(tk73store::CreateStore(store), 0);
    // An unknown model and a store without any model are refused before anything is written.
    STORE_EDB unknown = storeRecord(0, "Third", 999);
    EXPECT_EQ(tk73store::CreateStore(unknown), 0);
    STORE_EDB none = storeRecord(0, "Fourth", 0);
    EXPECT_EQ(tk73store::CreateStore(none), 0);

    EXPECT_EQ(environment.table("STORE"), storeTable);
    EXPECT_EQ(storeFolders(), folders);
    EXPECT_TRUE(notices.empty());
}

TEST_F(StoreLifeCycle, CopyGetsANewNumberACopyNameAndTheSourceFolder) {
    STORE_EDB shop = created("Shop", kKR301);
    tk73test::TempEnvironment::writeFile(environment.storeFolder(1) + "/M001/MAINTE/FILE001P.TXT",
                                         "changed\r\n");
    STORE_EDB copy;
    ASSERT_EQ(tk73store::PrepareStoreCopy(shop.storeNo, copy, "Store"), 1);
    EXPECT_EQ(copy.storeNo, 2);
    EXPECT_EQ(copy.storeName, "Copy_Shop");
    ASSERT_EQ(tk73store::CopyStore(shop.storeNo, copy, "Store"), 1);

    EXPECT_EQ(storeFolders(),
              (Strings{"S001", "S001/M001", "S001/M001/KR301.INI", "S001/M001/MAINTE",
                       "S001/M001/MAINTE/FILE001P.TXT", "S002", "S002/M001", "S002/M001/KR301.INI",
                       "S002/M001/MAINTE", "S002/M001/MAINTE/FILE001P.TXT"}));
    EXPECT_EQ(tk73test::TempEnvironment::readFile(environment.storeFolder(2) +
                                                  "/M001/MAINTE/FILE001P.TXT"),
              "changed\r\n");
    const CTK73edbStore stores;
    ASSERT_EQ(stores.GetStoreCnt(), 2);
    STORE_EDB read;
    EXPECT_EQ(stores.GetStoreFromIndex(1, &read), 1);
    EXPECT_EQ(read.storeNo, 2);
    EXPECT_EQ(read.storeName, "Copy_Shop");
    EXPECT_EQ(read.regModelNo, kKR301);

    // A second copy of the same store stacks the prefix.
    ASSERT_EQ(tk73store::PrepareStoreCopy(shop.storeNo, copy, "Store"), 1);
    EXPECT_EQ(copy.storeName, "Copy_Copy_Shop");
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(StoreLifeCycle, ACopyWhoseFolderCannotBeMadeChangesNothing) {
    STORE_EDB shop = created("Shop", kKR301);
    const std::string storeTable = environment.table("STORE");
    // The source folder is missing, so there is nothing to copy.
    std::filesystem::remove_all(environment.storeFolder(1));
    STORE_EDB copy = shop;
    copy.storeNo = 5;
    copy.storeName = "Copy";
    EXPECT_EQ(tk73store::CopyStore(shop.storeNo, copy, "Store list"), 0);
    EXPECT_EQ(environment.table("STORE"), storeTable);
    EXPECT_TRUE(storeFolders().empty());
    EXPECT_EQ(ui.textsOf(tk73test::InteractionKind::Message),
              Strings{"Could not copy store folder."});
    ASSERT_FALSE(ui.calls().empty());
    EXPECT_EQ(ui.calls().front().caption, "Store list");

    // Without a folder the number looks free, but its record still holds it.
    copy.storeNo = 0;
    EXPECT_EQ(tk73store::CopyStore(shop.storeNo, copy, "Store list"), 0);
    EXPECT_EQ(environment.table("STORE"), storeTable);
}

TEST_F(StoreLifeCycle, ACopyNameThatCannotBeMadeIsReported) {
    const std::string longName(40, 'L');
    STORE_EDB source = created(longName, kKR301);
    CTK73edbStore stores;
    std::string candidate = longName;
    for (int n = 0; n < 8; ++n) {
        candidate = ("Copy_" + candidate).substr(0, 40);
        STORE_EDB taken = storeRecord(10 + n, candidate, kKR301);
        ASSERT_EQ(stores.AddStore(taken), 1);
    }
    STORE_EDB copy;
    EXPECT_EQ(tk73store::PrepareStoreCopy(source.storeNo, copy, "Store"), 0);
    EXPECT_EQ(ui.textsOf(tk73test::InteractionKind::Message),
              Strings{"Could not create store name."});
}

TEST_F(StoreLifeCycle, DeleteEmptiesTheMachineListsRemovesTheRecordAndTheFolder) {
    STORE_EDB first = created("First", kKR301, kVK500);
    STORE_EDB second = created("Second", kKR420);
    ASSERT_EQ(tk73store::WriteMachineList(first.storeNo, 0, {0x0A000001u, 0x0A000002u}), 1);
    ASSERT_EQ(tk73store::WriteMachineList(first.storeNo, 1, {0x0A000003u}), 1);

    ui.pressButton(tk73::Button::Yes);
    ASSERT_EQ(tk73store::ConfirmDeleteStore(first, "Branch list setting"), 1);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls().front().text, "\"First\"  \nAre you sure to delete all?");
    EXPECT_EQ(ui.calls().front().buttons, tk73::Buttons::YesNo);
    EXPECT_EQ(ui.calls().front().defaultButton, tk73::Button::No);
    ASSERT_EQ(tk73store::DeleteStore(first.storeNo, "Branch list setting"), 1);

    EXPECT_EQ(storeFolders(), (Strings{"S002", "S002/M001", "S002/M001/KR420.INI"}));
    const CTK73edbStore stores;
    ASSERT_EQ(stores.GetStoreCnt(), 1);
    STORE_EDB read;
    EXPECT_EQ(stores.GetStoreFromIndex(0, &read), 1);
    EXPECT_EQ(read.storeName, "Second");
    for (const bool vek : {false, true}) {
        STORE_MANAGE block;
        const int found =
            vek ? CTK73edbVek(1).GetRegister(&block) : CTK73edbRegister(1).GetRegister(&block);
        ASSERT_EQ(found, 1);
        for (const STORE_MANAGE_ENTRY& entry : block.entries) {
            EXPECT_EQ(entry.operateStatus, '0');
        }
    }
    // The number is free again.
    EXPECT_EQ(stores.GetNewStoreNo(), 1);
    EXPECT_EQ(tk73store::DeleteStore(first.storeNo, "Branch list setting"), 0);

    ui.pressButton(tk73::Button::No);
    EXPECT_EQ(tk73store::ConfirmDeleteStore(second, "Branch list setting"), 0);
}

TEST_F(StoreLifeCycle, AStoreFolderThatCannotBeDeletedKeepsTheStore) {
    STORE_EDB store = created("Shop", kKR301, kVK500);
    ASSERT_EQ(tk73store::WriteMachineList(store.storeNo, 0, {0x0A000001u}), 1);
    const std::string storeTable = environment.table("STORE");
    const std::string registerTable = environment.table("REGISTER");
    const std::string vekTable = environment.table("VEK");
    // The folder is renamed with the time before it goes; names that are taken for the next
    // seconds make the rename, and so the delete, fail.
    for (std::time_t second = std::time(nullptr); second < std::time(nullptr) + 30; ++second) {
        char stamp[16];
        std::tm local{};
        localtime_r(&second, &local);
        std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);
        tk73test::TempEnvironment::writeFile(
            environment.storeFolder(store.storeNo) + "_" + stamp + "/held", "x");
    }
    EXPECT_EQ(tk73store::DeleteStore(store.storeNo, "Branch list setting"), 0);
    EXPECT_EQ(ui.textsOf(tk73test::InteractionKind::Message),
              Strings{"Could not delete store folder."});
    EXPECT_EQ(environment.table("STORE"), storeTable);
    EXPECT_EQ(environment.table("REGISTER"), registerTable);
    EXPECT_EQ(environment.table("VEK"), vekTable);
    EXPECT_TRUE(
        std::filesystem::exists(environment.storeFolder(store.storeNo) + "/M001/KR301.INI"));
}

TEST_F(StoreLifeCycle, ChangingAModelReplacesOnlyThatSide) {
    STORE_EDB store = created("Shop", kKR301, kVK500);
    for (const char* part : {"/M001/MAINTE/FILE001P.TXT", "/O001/MAINTE/FILE401P.TXT"}) {
        tk73test::TempEnvironment::writeFile(environment.storeFolder(store.storeNo) + part, "x");
    }
    ASSERT_EQ(tk73store::WriteMachineList(store.storeNo, 0, {0x0A000001u}), 1);
    ASSERT_EQ(tk73store::WriteMachineList(store.storeNo, 1, {0x0A000002u}), 1);
    notices.clear();

    store.regModelNo = kKR420;
    ASSERT_EQ(tk73store::ChangeStore(store), 1);
    EXPECT_EQ(storeFolders(),
              (Strings{"S001", "S001/M001", "S001/M001/KR420.INI", "S001/O001", "S001/O001/MAINTE",
                       "S001/O001/MAINTE/FILE401P.TXT", "S001/O001/VK500.INI"}));
    EXPECT_EQ(notices, (std::vector<std::pair<int, int>>{{1, tk73store::kCopyPgmFilesRegister}}));
    STORE_MANAGE block;
    ASSERT_EQ(CTK73edbRegister(1).GetRegister(&block), 1);
    EXPECT_EQ(block.entries[0].operateStatus, '0');
    ASSERT_EQ(CTK73edbVek(1).GetRegister(&block), 1);
    EXPECT_EQ(block.entries[0].operateStatus, '1');

    // Dropping the controller removes its side and asks for no program files.
    notices.clear();
    store.vekModelNo = 0;
    ASSERT_EQ(tk73store::ChangeStore(store), 1);
    EXPECT_EQ(storeFolders(), (Strings{"S001", "S001/M001", "S001/M001/KR420.INI"}));
    EXPECT_TRUE(notices.empty());
    STORE_EDB read;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(1, &read), 1);
    EXPECT_EQ(read.vekModelNo, 0);
    EXPECT_EQ(read.vekLinkage, '1');
}

TEST_F(StoreLifeCycle, AFailedModelChangeLeavesTheTablesAndTheStoreFolderAsTheyWere) {
    STORE_EDB store = created("Shop", kKR301, kVK500);
    for (const char* part : {"/M001/MAINTE/FILE001P.TXT", "/O001/MAINTE/FILE401P.TXT"}) {
        tk73test::TempEnvironment::writeFile(environment.storeFolder(store.storeNo) + part,
                                             "programmed\r\n");
    }
    ASSERT_EQ(tk73store::WriteMachineList(store.storeNo, 0, {0x0A000001u}), 1);
    ASSERT_EQ(tk73store::WriteMachineList(store.storeNo, 1, {0x0A000002u}), 1);
    const std::string storeTable = environment.table("STORE");
    const std::string registerTable = environment.table("REGISTER");
    const std::map<std::string, std::string> folder = storeImage();
    notices.clear();
    const auto unchanged = [&](const std::string& vekTable) {
        EXPECT_EQ(environment.table("STORE"), storeTable);
        EXPECT_EQ(environment.table("REGISTER"), registerTable);
        EXPECT_EQ(environment.table("VEK"), vekTable);
        EXPECT_EQ(storeImage(), folder);
        EXPECT_TRUE(notices.empty());
    };

    // The new register model has no default definition, and the controller goes as well.
    const std::string kr420 = environment.modelFolder("KR420", 0) + "/KR420.INI";
    const std::string kr420Text = tk73test::TempEnvironment::readFile(kr420);
    std::filesystem::remove(kr420);
    STORE_EDB changed = store;
    changed.regModelNo = kKR420;
    changed.vekModelNo = 0;
    EXPECT_EQ(tk73store::ChangeStore(changed), 0);
    unchanged(environment.table("VEK"));

    // The register side is replaced first; then the controller list cannot be emptied, as its
    // table cannot be read.
    tk73test::TempEnvironment::writeFile(kr420, kr420Text);
    environment.writeTable("VEK", "");
    changed = store;
    changed.regModelNo = kKR420;
    changed.vekModelNo = 0;
    EXPECT_EQ(tk73store::ChangeStore(changed), 0);
    unchanged("");

    STORE_EDB missing = storeRecord(9, "Nowhere", kKR301);
    EXPECT_EQ(tk73store::ChangeStore(missing), 0);
}

}  // namespace
