#include "definitions/ini_num_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int32_t> numbers(const CIniNumList& list) {
    std::vector<int32_t> out;
    for (int i = 0; i < list.GetCount(); ++i) {
        int value = 0;
        EXPECT_EQ(list.GetAt(i, &value), 1);
        out.push_back(value);
    }
    return out;
}

}  // namespace

TEST(IniNumList, EmptyItemsBetweenDelimitersAreSkipped) {
    EXPECT_EQ(numbers(CIniNumList(",5,,6,")), (std::vector<int32_t>{5, 6}));
    EXPECT_EQ(CIniNumList("").GetCount(), 0);
    EXPECT_EQ(CIniNumList(",,,").GetCount(), 0);
}

TEST(IniNumList, QuotedItemsRunToTheirClosingQuote) {
    EXPECT_EQ(numbers(CIniNumList("\"12\",3")), (std::vector<int32_t>{12, 3}));
    // A delimiter inside quotes belongs to the item; an empty quoted item adds nothing.
    EXPECT_EQ(numbers(CIniNumList("\"4,5\",\"\",6")), (std::vector<int32_t>{4, 6}));
    EXPECT_EQ(numbers(CIniNumList("\"\"\"7\",8")), (std::vector<int32_t>{0, 8}));
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(numbers(CIniNumList("1,\"9,10")), (std::vector<int32_t>{1, 9}));
}

TEST(IniNumList, ItemsUseDecimalConversion) {
    EXPECT_EQ(numbers(CIniNumList(" 7, -2,x,3a,99999999999")),
              (std::vector<int32_t>{7, -2, 0, 3, 2147483647}));
}

TEST(IniNumList, OneTrailingLineFeedIsDropped) {
    const CIniNumList list("1,2\n");
    EXPECT_EQ(list.GetText(), "1,2");
    EXPECT_EQ(numbers(list), (std::vector<int32_t>{1, 2}));
}

TEST(IniNumList, BuiltFromNumbersJoinsThemWithCommas) {
    const CIniNumList list(std::vector<int32_t>{3, -4, 5});
    EXPECT_EQ(list.GetText(), "3,-4,5");
    EXPECT_EQ(list.Find(-4), 1);
    EXPECT_EQ(list.Find(6), -1);
    EXPECT_EQ(CIniNumList(std::vector<int32_t>{}).GetText(), "");
}

TEST(IniNumList, TextLimitKeepsListAndTextTogether) {
    const CIniNumList list(std::vector<int32_t>(1000, 12345));
    EXPECT_LE(list.GetText().size(), CIniNumList::kMaxText);
    EXPECT_EQ(CIniNumList(list.GetText()).GetCount(), list.GetCount());
    EXPECT_EQ(list.GetCount(), 341);

    const CIniNumList parsed(std::string(3000, '1'));
    EXPECT_EQ(parsed.GetText().size(), CIniNumList::kMaxText);
}

TEST(IniNumList, IndexOutsideTheListIsRefused) {
    const CIniNumList list("5,6");
    int value = 77;
    EXPECT_EQ(list.GetAt(2, &value), 0);
    EXPECT_EQ(list.GetAt(-1, &value), 0);
    EXPECT_EQ(value, 77);
    EXPECT_EQ(list.GetAt(0, nullptr), 0);
}
