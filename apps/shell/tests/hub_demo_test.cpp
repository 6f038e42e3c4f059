// The demo's sample shop as a newcomer meets it in the pro layout: the shop's store, of its
// branch, with its registers listed, already selected in the store bar, so every editor can be
// used at once. (The default layout's card with the shop's archive is what the archive tests
// start on.)

#include <QAbstractButton>

#include <gtest/gtest.h>

#include <filesystem>

#include "apps/shell/pro_layout_extras.h"
#include "apps/shell/tests/hub_window_fixture.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/edb_store.h"
#include "storedb/ui/select_store.h"
#include "tools/stager/demo/demo_shop.h"

namespace tk73hub {
namespace {

TEST(HubDemo, TheProLayoutStartsWithTheSampleShopSelected) {
    hubtest::HubWindow hub(2, {}, {}, [](hubtest::ShellEnvironment& env) {
        std::string error;
        ASSERT_TRUE(tk73tools::MakeSampleShopStore(error)) << error;
        // A second run leaves the user's store database alone.
        ASSERT_TRUE(tk73tools::MakeSampleShopStore(error)) << error;
        env.cancelSdCard();
    });
    auto* extras = dynamic_cast<ProLayoutExtras*>(hub.window().Extras());
    ASSERT_NE(extras, nullptr);
    int branchNo = 0;
    int storeNo = 0;
    int modelNo = 0;
    std::string name;
    ASSERT_EQ(extras->StoreBar().GetSelectedStore(&branchNo, &storeNo, &modelNo, &name), 1);
    STORE_EDB store;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(storeNo, &store), 1);
    EXPECT_EQ(store.storeName, "Sample shop");
    EXPECT_EQ(branchNo, 1);
    EXPECT_EQ(modelNo, 301);
    EXPECT_EQ(hub.window().CurrentStore(), storeNo);
    EXPECT_EQ(hub.window().Document().GetState(), 3);
    EXPECT_TRUE(hub.window().Button(1012)->isEnabled());

    STORE_MANAGE registers;
    ASSERT_EQ(CTK73edbRegister(storeNo).GetRegister(&registers), 1);
    EXPECT_EQ(registers.entries[0].machineName, "Register 1");
    EXPECT_EQ(registers.entries[2].machineName, "Register 3");
    EXPECT_EQ(registers.entries[3].machineNo, 0);
    EXPECT_TRUE(std::filesystem::exists(hub.env().mainteFolder(false) + "/FILE004P.TXT"));
}

}  // namespace
}  // namespace tk73hub
