#include "platform/double_byte.h"

#include <gtest/gtest.h>

#include "tests/support/temp_environment.h"

TEST(DoubleByte, LeadAndTrailRangesAreExact) {
    tk73test::TempEnvironment environment;
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_EQ(tk73::isDoubleByteLead(byte),
                  (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))
            << c;
        EXPECT_EQ(tk73::isDoubleByteTrail(byte),
                  (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC))
            << c;
    }
}

TEST(DoubleByte, CharacterLengthNeedsAValidTrailAndStaysInTheText) {
    tk73test::TempEnvironment environment;
    const std::string_view text(
        "\x82\xA0"
        "a\x81\x7F\xFC\x40\x9F",
        8);
    EXPECT_EQ(tk73::characterLength(text, 0), 2u);  // lead 0x82, trail 0xA0
    EXPECT_EQ(tk73::characterLength(text, 2), 1u);  // plain 'a'
    EXPECT_EQ(tk73::characterLength(text, 3), 1u);  // 0x7F is no trail byte
    EXPECT_EQ(tk73::characterLength(text, 5), 2u);  // lead 0xFC, trail 0x40
    EXPECT_EQ(tk73::characterLength(text, 7), 1u);  // a lead byte at the end stands alone
    EXPECT_EQ(tk73::characterLength(text, 8), 0u);
    EXPECT_EQ(tk73::characterLength("\x95\\"), 2);
    EXPECT_EQ(tk73::characterLength("\x95"), 1);  // the NUL is no trail byte
    EXPECT_EQ(tk73::characterLength("\xA0\x40"), 1);
}
