#include "apps/editors/item/item_value_text.h"

#include <gtest/gtest.h>

using tk73item::ItemValueText;
using tk73item::MenuItem;

namespace {

MenuItem itemOf(int type, int width, int mean = 0) {
    MenuItem item;
    item.def.nFileNo = 4;
    item.def.nDataType = type;
    item.def.nWidth = width;
    item.def.nMean = mean;
    return item;
}

tagPGMITEMDATA number(uint64_t value) {
    tagPGMITEMDATA data;
    data.value = value;
    return data;
}

}  // namespace

TEST(ItemValueText, ShowsEachKindOfValueAsTheUserReadsIt) {
    tagPGMITEMDATA name;
    name.text = "Rye bread       ";
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_CHAR, 16), name, {}), "Rye bread");
    name.text = "                ";
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_CHAR, 16), name, {}), "");

    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_DIGIT, 8, 2), number(429), {}), "4.29");
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_DIGIT, 8, 2), number(7), {}), "0.07");
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_DIGIT, 8, 2), number(99999999), {}), "999999.99");
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_DIGIT, 4), number(12), {}), "12");
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_HEX, 1), number(12), {}), "C");
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_BIT, 1), number(1), {}), "Yes");
    EXPECT_EQ(ItemValueText(itemOf(PGM_DATA_BIT, 1), number(0), {}), "No");
}

TEST(ItemValueText, AnItemWithKindsShowsTheKindItsValueStandsFor) {
    MenuItem open = itemOf(PGM_DATA_HEX, 1);
    const tk73item::ItemMeaning meaning{"Open PLU", {"Preset", "Open", "Preset and open"}, {}};
    open.meaning = &meaning;
    EXPECT_EQ(ItemValueText(open, number(2), {0, 1, 2}), "Preset and open");
    // The definition's list decides which value a kind stands for.
    EXPECT_EQ(ItemValueText(open, number(2), {2, 0, 1}), "Preset");
    // A value no kind stands for shows as it is.
    EXPECT_EQ(ItemValueText(open, number(9), {0, 1, 2}), "9");
    EXPECT_EQ(ItemValueText(open, number(2), {0, 1}), "2");
}
