// The maintenance base: the handles of a store's register and controller.

#include <gtest/gtest.h>

#include <filesystem>

#include "programfiles/cmn_mainte_base.h"
#include "programfiles/tests/shipped_store.h"

namespace {

using namespace mergetest;

// The name of a PLU record as the handle reads it through the merge menu.
std::string pluName(CPgmHandle& handle, int record) {
    tagPGMITEMDEF name;
    char text[64] = {};
    if (!handle.GetItemDef(&name, 28, 1, 1) || !handle.ReadItem(&name, record, text, sizeof text)) {
        return "(unread)";
    }
    return text;
}

TEST(MainteBase, OpensTheHandlesOfBothMachinesOfAStore) {
    ShippedInstallation install;
    const int store = install.createStore(kKR301, kVK500);
    CCmnMainteBase base;
    EXPECT_EQ(base.HasRegister(), 0);
    EXPECT_EQ(base.GetRegPgmHandle().IsOpened(), 0);
    ASSERT_EQ(base.Initialize(store), 1);
    EXPECT_EQ(base.HasRegister(), 1);
    EXPECT_EQ(base.HasVek(), 1);
    EXPECT_EQ(base.GetStore().storeNo, store);
    EXPECT_EQ(base.GetRegModel().indentName, "KR301");
    EXPECT_EQ(base.GetVekModel().modelNo, kVK500);
    EXPECT_EQ(base.GetRegPgmHandle().GetIndentName(), "KR301");
    EXPECT_EQ(base.GetVekPgmHandle().GetIndentName(), "VK500");
    EXPECT_EQ(std::string(base.GetRegPgmHandle().GetMainteFileName(nullptr, 4, 1)),
              install.regFile(store, 4));
    EXPECT_EQ(std::string(base.GetVekPgmHandle().GetMainteFileName(nullptr, 4, 1)),
              install.vekFile(store, 4));
    EXPECT_EQ(pluName(base.GetRegPgmHandle(), 10), "Scone           ");
    EXPECT_EQ(pluName(base.GetVekPgmHandle(), 10), "SCONE           ");

    // Another store number starts afresh.
    EXPECT_EQ(base.Initialize(42), 0);
    EXPECT_EQ(base.HasRegister(), 0);
    EXPECT_EQ(base.HasVek(), 0);
    EXPECT_EQ(base.GetRegPgmHandle().IsOpened(), 0);
}

TEST(MainteBase, KeepsTheHandleOfAMachineWithoutDefinitionCopyClosed) {
    // Outside the professional mode a missing definition copy is not made again.
    ShippedInstallation install(0);
    const int store = install.createStore(kKR301, kVK500);
    std::filesystem::remove(install.storeFolder(store) + "/O001/VK500.INI");
    CCmnMainteBase base;
    EXPECT_EQ(base.Initialize(store), 1);
    EXPECT_EQ(base.HasVek(), 1);
    EXPECT_EQ(base.GetVekPgmHandle().IsOpened(), 0);
    EXPECT_EQ(base.GetRegPgmHandle().IsOpened(), 1);
}

TEST(MainteBase, ACopyHasItsOwnHandlesOnTheSameFiles) {
    ShippedInstallation install;
    const int store = install.createStore(kKR301, kVK500);
    CCmnMainteBase base;
    EXPECT_EQ(base.Initialize(store), 1);
    // The original has the PLU file loaded.
    EXPECT_EQ(pluName(base.GetRegPgmHandle(), 11), "Brioche         ");
    CCmnMainteBase copy(base);
    EXPECT_EQ(copy.HasVek(), 1);
    EXPECT_EQ(copy.GetRegModel().indentName, "KR301");
    EXPECT_NE(&copy.GetRegPgmHandle(), &base.GetRegPgmHandle());
    EXPECT_EQ(copy.GetVekPgmHandle().IsOpened(), 1);

    // A write through the copy reaches the file. The original goes on reading its loaded copy,
    // which that write did not reach, and its own writes put none of those bytes back: after it
    // wrote the prices of records 10 to 12 at once, the file still holds the copy's name.
    tagPGMITEMDEF name;
    ASSERT_EQ(copy.GetRegPgmHandle().GetItemDef(&name, 28, 1, 1), 1);
    ASSERT_EQ(copy.GetRegPgmHandle().WriteItem(&name, 11, "Bun", 4), 1);
    EXPECT_EQ(pluName(copy.GetRegPgmHandle(), 11), "Bun             ");
    EXPECT_EQ(pluName(base.GetRegPgmHandle(), 11), "Brioche         ");
    tagPGMITEMDEF price;
    ASSERT_EQ(base.GetRegPgmHandle().GetItemDef(&price, 28, 4, 1), 1);
    PGMITEMDATAARRAY prices;
    ASSERT_EQ(base.GetRegPgmHandle().ReadItems(&price, 1, 10, 3, &prices, 0), 1);
    for (tagPGMITEMDATA& value : prices) {
        value.value += 5;
    }
    ASSERT_EQ(base.GetRegPgmHandle().WriteItems(&price, 1, 10, 3, &prices, 0), 1);
    CCmnMainteBase assigned;
    assigned = base;
    EXPECT_EQ(pluName(assigned.GetRegPgmHandle(), 11), "Bun             ");
    tagPGMITEMDEF freshPrice;
    ASSERT_EQ(assigned.GetRegPgmHandle().GetItemDef(&freshPrice, 28, 4, 0), 1);
    PGMITEMDATAARRAY written;
    ASSERT_EQ(assigned.GetRegPgmHandle().ReadItems(&freshPrice, 1, 10, 3, &written, 0), 1);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(written[i].value, prices[i].value);
    }

    // An empty base copies as empty.
    CCmnMainteBase empty;
    assigned = empty;
    EXPECT_EQ(assigned.HasRegister(), 0);
    EXPECT_EQ(assigned.GetRegPgmHandle().IsOpened(), 0);
    EXPECT_EQ(pluName(assigned.GetRegPgmHandle(), 11), "(unread)");
}

}  // namespace
