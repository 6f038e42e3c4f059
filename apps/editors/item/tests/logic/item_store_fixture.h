#pragma once
// A test on store 1 of the staged installation, with a handle on the register's program files
// as the editor opens it, and the items of one page set's menu.

#include <gtest/gtest.h>

#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/menu_items.h"
#include "apps/editors/item/tests/support/item_test_store.h"
#include "programfiles/pgm_handle.h"

namespace tk73itemtest {

class ItemStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(store_.Error(), "");
        ASSERT_EQ(handle_.Open(store_.DefinitionFile(0).c_str(), store_.MainteFolder(0).c_str(),
                               store_.DefaultFolder(0).c_str()),
                  1);
    }

    // The set of the flag with its items read from the store's definition.
    const tk73item::ItemPageSet& ReadSet(const char* flag) {
        const tk73item::ItemPageSet* set = tk73item::findItemPageSet(flag);
        EXPECT_NE(set, nullptr);
        EXPECT_EQ(tk73item::ReadMenuItems(handle_, store_.DefinitionFile(0), set->menuNo,
                                          set->nameItem, items_),
                  1);
        return *set;
    }

    ItemTestStore store_;
    CPgmHandle handle_;
    tk73item::MenuItems items_;
};

}  // namespace tk73itemtest
