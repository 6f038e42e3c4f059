#include <filesystem>
#include <utility>
#include <vector>

#include "apps/editors/item/tests/logic/item_store_fixture.h"
#include "platform/ini_profile.h"

using tk73itemtest::ItemStoreTest;

namespace {

std::vector<int> numbersOf(const tk73item::MenuItems& items) {
    std::vector<int> numbers;
    for (const tk73item::MenuItem& item : items.items) {
        numbers.push_back(item.itemNo);
    }
    return numbers;
}

}  // namespace

TEST_F(ItemStoreTest, ThePluSetShowsTheItemsTheModelDefines) {
    ReadSet("P");
    EXPECT_EQ(items_.firstRecord, 1);
    EXPECT_EQ(items_.recordCount, 300);
    // KR301 keeps no stock quantity (item 12).
    EXPECT_EQ(numbersOf(items_),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19}));
    EXPECT_EQ(items_.Find(2)->label, "Name");
    EXPECT_EQ(items_.Find(3)->label, "Unit price");
    EXPECT_EQ(items_.Find(3)->def.nMean, 2);
    // An item the editor's table does not know is named by the definition's title, which says
    // what the mark does; without one, after its field.
    EXPECT_EQ(items_.Find(16)->meaning, nullptr);
    EXPECT_EQ(items_.Find(16)->label, "Hash item, left out of sales totals");
    EXPECT_EQ(items_.Find(12), nullptr);
    ASSERT_NE(tk73_WritePrivateProfileStringA("PGM_MENU_014", "ITEM_016_TITLE", nullptr,
                                              store_.DefinitionFile(0).c_str()),
              0);
    ReadSet("P");
    EXPECT_EQ(items_.Find(16)->label, "PLU status");
}

TEST_F(ItemStoreTest, ItemsFollowTheStoresDefinition) {
    const std::string definition = store_.DefinitionFile(0);
    // A new item on the PLU file joins the dialog; an item on another file, and one that does
    // not resolve, do not.
    for (const auto& [key, value] : std::vector<std::pair<const char*, const char*>>{
             {"ITEM_012_FILE", "4"},
             {"ITEM_012_MEMORY", "INDEX,1,300"},
             {"ITEM_012", "DIGIT,D1,8"},
             {"ITEM_012_FIELD", "41"},
             {"ITEM_040_FILE", "5"},
             {"ITEM_040_MEMORY", "INDEX,1,20"},
             {"ITEM_040", "CHAR,D1,12"},
             {"ITEM_040_FIELD", "51"},
             {"ITEM_041_FILE", "4"},
             {"ITEM_041", "DIGIT,D1,0"},
         }) {
        ASSERT_NE(tk73_WritePrivateProfileStringA("PGM_MENU_014", key, value, definition.c_str()),
                  0)
            << key;
    }
    ReadSet("P");
    ASSERT_NE(items_.Find(12), nullptr);
    EXPECT_EQ(items_.Find(12)->label, "Stock quantity");
    EXPECT_EQ(items_.Find(40), nullptr);
    EXPECT_EQ(items_.Find(41), nullptr);

    // Without its name item a set has no records.
    ASSERT_NE(
        tk73_WritePrivateProfileStringA("PGM_MENU_014", "ITEM_002", nullptr, definition.c_str()),
        0);
    EXPECT_EQ(tk73item::ReadMenuItems(handle_, definition, 14, 2, items_), 0);
}

TEST_F(ItemStoreTest, TheScanningSetCountsItsRecordsAndKeepsTheAgeOutOfSight) {
    ReadSet("C");
    EXPECT_EQ(items_.firstRecord, 1);
    EXPECT_EQ(items_.recordCount, 50);
    EXPECT_EQ(numbersOf(items_), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(items_.Find(5)->displayed);
    EXPECT_TRUE(items_.Find(2)->displayed);

    ReadSet("S");
    EXPECT_EQ(items_.recordCount, 20);
    EXPECT_EQ(items_.Find(0)->label, "Code");
    EXPECT_EQ(items_.Find(5)->meaning->kinds.size(), 3u);
    ReadSet("G");
    EXPECT_EQ(numbersOf(items_), (std::vector<int>{1, 2}));
    // The definition says what the mark does.
    EXPECT_EQ(items_.Find(2)->label, "Print the group total on reports");
}
