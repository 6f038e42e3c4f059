#include "platform/path_rule.h"

#include <gtest/gtest.h>

#include "tests/support/temp_environment.h"

TEST(PathRule, ForwardSlashAnywhereMakesForwardSeparators) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(tk73::pathSeparatorOf("/home/shop/data"), '/');
    EXPECT_EQ(tk73::pathSeparatorOf("C:\\data/x"), '/');
    EXPECT_EQ(tk73::pathSeparatorOf("C:\\data"), '\\');
    EXPECT_EQ(tk73::pathSeparatorOf(""), '\\');
}

TEST(PathRule, WithSeparatorTurnsBothKindsButNotTrailBytes) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(tk73::withSeparator("a\\b/c", '/'), "a/b/c");
    EXPECT_EQ(tk73::withSeparator("a\\b/c", '\\'), "a\\b\\c");
    // 0x95 0x5C is one double-byte character whose trail byte is a backslash.
    EXPECT_EQ(tk73::withSeparator("x\\\x95\\y", '/'), "x/\x95\\y");
}

TEST(PathRule, EndsWithSeparatorStepsOverDoubleByteCharacters) {
    tk73test::TempEnvironment environment;
    EXPECT_TRUE(tk73::endsWithSeparator("C:\\data\\"));
    EXPECT_TRUE(tk73::endsWithSeparator("/data/"));
    EXPECT_FALSE(tk73::endsWithSeparator(""));
    EXPECT_FALSE(tk73::endsWithSeparator("C:\\\x95\\"));
    EXPECT_TRUE(tk73::endsWithSeparator("C:\\\x95\\\\"));
    EXPECT_EQ(tk73::lastSeparatorAt("a\\\x95\\b"), 1u);
    EXPECT_EQ(tk73::lastSeparatorAt("name"), std::string::npos);
}
