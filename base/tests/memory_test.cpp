#include "base/memory.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Allocator, StrdupCopiesAndNullStaysNull) {
    char* copy = AecrbsStrdup("PLU");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "PLU");
    AecrbsFree(copy);
    EXPECT_EQ(AecrbsStrdup(nullptr), nullptr);
    AecrbsFree(nullptr);
}

TEST(Allocator, ReallocKeepsContents) {
    auto* block = static_cast<char*>(AecrbsMalloc(4));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "abc", 4);
    block = static_cast<char*>(AecrbsRealloc(block, 4096));
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "abc");
    AecrbsFree(block);
}
