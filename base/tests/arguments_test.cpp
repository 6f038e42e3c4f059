#include "base/arguments.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

class ArgumentsTest : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_EQ(AecrbsDeleteARGR(args_), 1); }

    // The names of the entries from the head on.
    std::vector<std::string> walk() const {
        std::vector<std::string> names;
        for (const ARG_ENTRY* entry = AecrbsGetArgs(args_); entry != nullptr; entry = entry->next) {
            names.emplace_back(entry->name);
        }
        return names;
    }

    std::string text(const char* name) const {
        const char* value = nullptr;
        EXPECT_EQ(AecrbsGetArgByString(args_, name, &value), 1);
        return value != nullptr ? value : "<null>";
    }

    ARGR* args_ = AecrbsCreateARGR(nullptr);
};

}  // namespace

TEST(ApplicationContext, IsCreatedZeroedAndCarriedByTheList) {
    APC* apc = AecrbsCreateAPC();
    ASSERT_NE(apc, nullptr);
    EXPECT_EQ(apc->words[0], 0u);
    EXPECT_EQ(apc->words[1], 0u);
    ARGR* args = AecrbsCreateARGR(apc);
    ASSERT_NE(args, nullptr);
    EXPECT_EQ(args->context, apc);
    EXPECT_EQ(AecrbsGetArgs(args), nullptr);
    EXPECT_EQ(AecrbsDeleteARGR(args), 1);
    EXPECT_EQ(AecrbsDeleteAPC(apc), 1);
    EXPECT_EQ(AecrbsDeleteAPC(nullptr), 0);
}

TEST_F(ArgumentsTest, SettingAgainReplacesTheOneEntry) {
    ASSERT_EQ(AecrbsSetArgByString(args_, "A", "1"), 1);
    ASSERT_EQ(AecrbsSetArgByString(args_, "A", "2"), 1);
    EXPECT_EQ(walk(), std::vector<std::string>{"A"});
    EXPECT_EQ(text("A"), "2");
}

TEST_F(ArgumentsTest, EmptyValueExistsUntilSetNull) {
    int isNull = -1;
    ASSERT_EQ(AecrbsGetArgNull(args_, "A", &isNull), 1);
    EXPECT_EQ(isNull, 1);
    ASSERT_EQ(AecrbsSetArgByString(args_, "A", nullptr), 1);
    EXPECT_EQ(text("A"), "");
    ASSERT_EQ(AecrbsGetArgNull(args_, "A", &isNull), 1);
    EXPECT_EQ(isNull, 0);
    ASSERT_EQ(AecrbsSetArgNull(args_, "A"), 1);
    ASSERT_EQ(AecrbsGetArgNull(args_, "A", &isNull), 1);
    EXPECT_EQ(isNull, 1);
    EXPECT_EQ(text("A"), "<null>");
    EXPECT_EQ(AecrbsSetArgNull(args_, "A"), 1);
}

TEST_F(ArgumentsTest, NamesAreCaseSensitive) {
    EXPECT_NE(AecrbsSetArgByString(args_, "a", "lower"), 0);
    EXPECT_NE(AecrbsSetArgByString(args_, "A", "upper"), 0);
    EXPECT_EQ(text("a"), "lower");
    EXPECT_EQ(text("A"), "upper");
}

TEST_F(ArgumentsTest, IntegersAreReadStrictly) {
    int32_t number = -1;
    EXPECT_EQ(AecrbsGetArgByInteger(args_, "MISSING", &number), 1);
    EXPECT_EQ(number, 0);
    EXPECT_NE(AecrbsSetArgByString(args_, "EMPTY", ""), 0);
    number = -1;
    EXPECT_EQ(AecrbsGetArgByInteger(args_, "EMPTY", &number), 1);
    EXPECT_EQ(number, 0);
    EXPECT_NE(AecrbsSetArgByString(args_, "BAD", "12x"), 0);
    EXPECT_EQ(AecrbsGetArgByInteger(args_, "BAD", &number), 0);
    EXPECT_EQ(number, 0);
    EXPECT_NE(AecrbsSetArgByString(args_, "LOW", "-2147483648"), 0);
    EXPECT_EQ(AecrbsGetArgByInteger(args_, "LOW", &number), 1);
    EXPECT_EQ(number, INT_MIN);
    EXPECT_NE(AecrbsSetArgByString(args_, "HIGH", "2147483648"), 0);
    EXPECT_EQ(AecrbsGetArgByInteger(args_, "HIGH", &number), 0);

    ASSERT_EQ(AecrbsSetArgByInteger(args_, "STORE", -999), 1);
    EXPECT_EQ(text("STORE"), "-999");
    EXPECT_EQ(AecrbsGetArgByInteger(args_, "STORE", &number), 1);
    EXPECT_EQ(number, -999);
}

TEST_F(ArgumentsTest, ListRunsNewestFirst) {
    EXPECT_NE(AecrbsSetArgByString(args_, "A", "1"), 0);
    EXPECT_NE(AecrbsSetArgByString(args_, "B", "2"), 0);
    EXPECT_NE(AecrbsSetArgByString(args_, "C", "3"), 0);
    EXPECT_EQ(walk(), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_NE(AecrbsSetArgByString(args_, "A", "again"), 0);
    EXPECT_EQ(walk(), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_NE(AecrbsSetArgNull(args_, "B"), 0);
    EXPECT_EQ(walk(), (std::vector<std::string>{"C", "A"}));
    EXPECT_NE(AecrbsSetArgNull(args_, "C"), 0);
    EXPECT_EQ(walk(), std::vector<std::string>{"A"});
    EXPECT_EQ(AecrbsResetArgs(args_), 1);
    EXPECT_EQ(AecrbsGetArgs(args_), nullptr);
    EXPECT_EQ(AecrbsSetArgByString(args_, "D", "4"), 1);
    EXPECT_EQ(walk(), std::vector<std::string>{"D"});
}

TEST_F(ArgumentsTest, InvalidListOrNameChangesNothingAndSetsOutValues) {
    EXPECT_NE(AecrbsSetArgByString(args_, "A", "1"), 0);
    EXPECT_EQ(AecrbsSetArgByString(args_, "", "x"), 0);
    EXPECT_EQ(AecrbsSetArgByString(args_, nullptr, "x"), 0);
    EXPECT_EQ(AecrbsSetArgByInteger(nullptr, "A", 1), 0);
    EXPECT_EQ(AecrbsSetArgNull(args_, ""), 0);
    EXPECT_EQ(walk(), std::vector<std::string>{"A"});

    const char* value = "untouched";
    EXPECT_EQ(AecrbsGetArgByString(nullptr, "A", &value), 0);
    EXPECT_EQ(value, nullptr);
    int32_t number = 7;
    EXPECT_EQ(AecrbsGetArgByInteger(args_, "", &number), 0);
    EXPECT_EQ(number, 0);
    int isNull = 0;
    EXPECT_EQ(AecrbsGetArgNull(args_, nullptr, &isNull), 0);
    EXPECT_EQ(isNull, 1);

    EXPECT_EQ(AecrbsResetArgs(nullptr), 0);
    EXPECT_EQ(AecrbsDeleteARGR(nullptr), 1);
    EXPECT_EQ(AecrbsGetArgs(nullptr), nullptr);
}
