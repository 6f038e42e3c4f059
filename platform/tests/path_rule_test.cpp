#include "platform/path_rule.h"

#include <gtest/gtest.h>

TEST(PathRule, ForwardSlashAnywhereMakesForwardSeparators) {
    EXPECT_EQ(tk73::pathSeparatorOf("/home/shop/data"), '/');
    EXPECT_EQ(tk73::pathSeparatorOf("C:\\data/x"), '/');
    EXPECT_EQ(tk73::pathSeparatorOf("C:\\data"), '\\');
    EXPECT_EQ(tk73::pathSeparatorOf(""), '\\');
}

TEST(PathRule, WithSeparatorTurnsBothKinds) {
    EXPECT_EQ(tk73::withSeparator("a\\b/c", '/'), "a/b/c");
    EXPECT_EQ(tk73::withSeparator("a\\b/c", '\\'), "a\\b\\c");
}
