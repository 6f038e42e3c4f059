#include "platform/double_byte.h"

#include <gtest/gtest.h>

#include "tests/support/temp_environment.h"

TEST(DoubleByte, APairNeedsALeadAndATrailAtTheEdgesOfTheirRanges) {
    tk73test::TempEnvironment environment;
    const auto length = [](const char* pair) { return tk73::characterLength(pair); };
    EXPECT_EQ(length("\x81\x40"), 2);
    EXPECT_EQ(length("\x9F\x7E"), 2);
    EXPECT_EQ(length("\xE0\x80"), 2);
    EXPECT_EQ(length("\xFC\xFC"), 2);
    EXPECT_EQ(length("\x80\x40"), 1);  // below the first lead range
    EXPECT_EQ(length("\xA0\x40"), 1);  // between the lead ranges
    EXPECT_EQ(length("\xFD\x40"), 1);  // above the second lead range
    EXPECT_EQ(length("\x81\x3F"), 1);  // below the trail ranges
    EXPECT_EQ(length("\x81\x7F"), 1);  // between the trail ranges
    EXPECT_EQ(length("\x81\xFD"), 1);  // above the trail ranges
    EXPECT_EQ(length("\x95"), 1);      // the NUL is no trail byte
}

TEST(DoubleByte, CharacterLengthStaysInsideTheText) {
    tk73test::TempEnvironment environment;
    const std::string_view text(
        "\x82\xA0"
        "a\x9F",
        4);
    EXPECT_EQ(tk73::characterLength(text, 0), 2u);
    EXPECT_EQ(tk73::characterLength(text, 2), 1u);
    EXPECT_EQ(tk73::characterLength(text, 3), 1u);  // a lead byte at the end stands alone
    EXPECT_EQ(tk73::characterLength(text, 4), 0u);
    // A view that stops before the trail byte does not see it.
    EXPECT_EQ(tk73::characterLength(std::string_view("\x95\x5C", 1), 0), 1u);
}
