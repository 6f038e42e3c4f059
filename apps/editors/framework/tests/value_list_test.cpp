#include <gtest/gtest.h>

#include <climits>

#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/framework/tests/fixture_store.h"
#include "platform/ini_profile.h"

TEST(ValueList, TheDefinitionsIntegersInOrder) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    tk73editor::PgmMenuContext context;
    ASSERT_EQ(context.Open(store.definitionFile(), store.mainteFolder(), store.defaultFolder()), 1);

    std::vector<int> values{7};
    ASSERT_EQ(context.GetValueList(1, 5, values), 1);
    EXPECT_EQ(values, (std::vector<int>{0, 1, 2}));
    ASSERT_EQ(context.GetValueList(5, 1, values), 1);
    EXPECT_EQ(values, (std::vector<int>{1, 0}));

    // No list: the page keeps its own.
    values = {7};
    EXPECT_EQ(context.GetValueList(1, 1, values), 0);
    EXPECT_EQ(context.GetValueList(99, 5, values), 0);
    EXPECT_EQ(values, std::vector<int>{7});

    const char* file = store.definitionFile().c_str();
    ASSERT_NE(tk73_WritePrivateProfileStringA("PGM_MENU_001", "ITEM_090_VALUE",
                                              " 3, x ,-2,12abc,99999999999", file),
              0);
    ASSERT_NE(tk73_WritePrivateProfileStringA("PGM_MENU_001", "ITEM_091_VALUE", "", file), 0);
    ASSERT_EQ(context.GetValueList(1, 90, values), 1);
    EXPECT_EQ(values, (std::vector<int>{3, 0, -2, 12, INT_MAX}));
    EXPECT_EQ(context.GetValueList(1, 91, values), 0);
}

TEST(ValueList, AHandleOnAMissingOrFolderDefinitionDoesNotOpen) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    tk73editor::PgmMenuContext context;
    EXPECT_EQ(context.Open(environment.path("store/NONE.INI"), store.mainteFolder(),
                           store.defaultFolder()),
              0);
    EXPECT_EQ(context.Open(store.mainteFolder(), store.mainteFolder(), store.defaultFolder()), 0);
}
