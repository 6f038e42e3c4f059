#include "base/text_conversions.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string stripString(const char* text) {
    char out[64];
    EXPECT_EQ(AecrbsStripString(out, text), 1);
    return out;
}

std::string stripFiller(const char* text, char filler) {
    char out[64];
    EXPECT_EQ(AecrbsStripFiller(out, text, filler), 1);
    return out;
}

// Result, number.
std::pair<int, int32_t> toInteger(const char* text) {
    int32_t number = -1;
    const int result = AecrbsStringToInteger(&number, text);
    return {result, number};
}

std::pair<int, int32_t> figure(const char* text, int start, int length) {
    int32_t number = -1;
    const int result = AecrbsFigureToInteger(&number, text, start, length);
    return {result, number};
}

using Result = std::pair<int, int32_t>;

}  // namespace

TEST(DoubleByte, LeadAndTrailRanges) {
    EXPECT_EQ(AecrbsGetCharc("\x81\x40"), 2);
    EXPECT_EQ(AecrbsGetCharc("\x9F\xFC"), 2);
    EXPECT_EQ(AecrbsGetCharc("\xE0\x7E"), 2);
    EXPECT_EQ(AecrbsGetCharc("\xFC\x80"), 2);
    EXPECT_EQ(AecrbsGetCharc("\x80\x40"), 1);
    EXPECT_EQ(AecrbsGetCharc("\xA0\x40"), 1);
    EXPECT_EQ(AecrbsGetCharc("\xFD\x40"), 1);
    EXPECT_EQ(AecrbsGetCharc("\x81\x3F"), 1);
    EXPECT_EQ(AecrbsGetCharc("\x81\x7F"), 1);
    EXPECT_EQ(AecrbsGetCharc("\x81\xFD"), 1);
    EXPECT_EQ(AecrbsGetCharc("\x81"), 1);
    EXPECT_EQ(AecrbsGetCharc("a"), 1);
    EXPECT_EQ(AecrbsGetCharc(nullptr), 1);
}

TEST(StringToInteger, AcceptsSignedDigitsOnly) {
    EXPECT_EQ(toInteger(nullptr), Result(1, 0));
    EXPECT_EQ(toInteger(""), Result(1, 0));
    EXPECT_EQ(toInteger("-"), Result(1, 0));
    EXPECT_EQ(toInteger("+"), Result(1, 0));
    EXPECT_EQ(toInteger("+12"), Result(1, 12));
    EXPECT_EQ(toInteger("-0"), Result(1, 0));
    EXPECT_EQ(toInteger("007"), Result(1, 7));
    EXPECT_EQ(toInteger(" 1"), Result(0, 0));
    EXPECT_EQ(toInteger("1 "), Result(0, 0));
    EXPECT_EQ(toInteger("1.0"), Result(0, 0));
    EXPECT_EQ(toInteger("--1"), Result(0, 0));
    EXPECT_EQ(toInteger("12x"), Result(0, 0));
}

TEST(StringToInteger, ThirtyTwoBitLimits) {
    EXPECT_EQ(toInteger("2147483647"), Result(1, INT_MAX));
    EXPECT_EQ(toInteger("-2147483648"), Result(1, INT_MIN));
    EXPECT_EQ(toInteger("000000000002147483647"), Result(1, INT_MAX));
    EXPECT_EQ(toInteger("2147483648"), Result(0, 0));
    EXPECT_EQ(toInteger("-2147483649"), Result(0, 0));
    EXPECT_EQ(toInteger("9999999999"), Result(0, 0));
    EXPECT_EQ(toInteger("10000000000"), Result(0, 0));
    EXPECT_EQ(toInteger("1000000000"), Result(1, 1000000000));
}

TEST(FigureToInteger, ConvertsTheSubstring) {
    EXPECT_EQ(figure("ABC0123XYZ", 3, 4), Result(1, 123));
    EXPECT_EQ(figure("ABC-5", 3, 2), Result(1, -5));
    EXPECT_EQ(figure("ABC0123XYZ", 2, 4), Result(0, 0));
    EXPECT_EQ(figure("ABC0123XYZ", 7, 4), Result(0, 0));
    EXPECT_EQ(figure("ABC0123XYZ", 10, 0), Result(1, 0));
    EXPECT_EQ(figure("", 3, 4), Result(1, 0));
    EXPECT_EQ(figure(nullptr, 3, 4), Result(1, 0));
    EXPECT_EQ(figure("123", -1, 2), Result(0, 0));
    const std::string zeros(5000, '0');
    EXPECT_EQ(figure(zeros.c_str(), 0, 4095), Result(1, 0));
    EXPECT_EQ(figure(zeros.c_str(), 0, 4096), Result(0, 0));
}

TEST(IntegerToString, Decimal) {
    char out[12];
    EXPECT_EQ(AecrbsIntegerToString(out, INT_MIN), 1);
    EXPECT_STREQ(out, "-2147483648");
    EXPECT_EQ(AecrbsIntegerToString(out, 0), 1);
    EXPECT_STREQ(out, "0");
}

TEST(StripString, RemovesControlBytesAndBlanksAtBothEnds) {
    EXPECT_EQ(stripString(" \t ab c \r\n"), "ab c");
    EXPECT_EQ(stripString("\x01\x1F\x20"), "");
    EXPECT_EQ(stripString(""), "");
    EXPECT_EQ(stripString(nullptr), "");
    // Bytes above 0x7F are characters, not blanks.
    EXPECT_EQ(stripString("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(StripFiller, RemovesTheTrailingRunOnly) {
    EXPECT_EQ(stripFiller("AB   ", ' '), "AB");
    EXPECT_EQ(stripFiller("A B", ' '), "A B");
    EXPECT_EQ(stripFiller("   ", ' '), "");
    EXPECT_EQ(stripFiller("0012300", '0'), "00123");
    EXPECT_EQ(stripFiller("", ' '), "");
    EXPECT_EQ(stripFiller(nullptr, ' '), "");
    // The trail byte of a double-byte character is no filler of its own.
    EXPECT_EQ(stripFiller("AB\x81\x40", '@'), "AB\x81\x40");
    EXPECT_EQ(stripFiller("AB\x81\x40@@", '@'), "AB\x81\x40");
}

TEST(DevideCode, SplitsAtTheFirstColon) {
    char code[64];
    char name[64];
    const auto split = [&](const char* text) {
        EXPECT_EQ(AecrbsDevideCode(code, name, text), 1);
        return std::make_pair(std::string(code), std::string(name));
    };
    using Parts = std::pair<std::string, std::string>;
    EXPECT_EQ(split(" 12 : Beef "), Parts("12", "Beef"));
    EXPECT_EQ(split("Beef"), Parts("Beef", "Beef"));
    EXPECT_EQ(split("1:a:b"), Parts("1", "a:b"));
    EXPECT_EQ(split(":"), Parts("", ""));
    EXPECT_EQ(split(""), Parts("", ""));
    EXPECT_EQ(split(nullptr), Parts("", ""));
    EXPECT_EQ(split("\x83\x76: \x83\x8A"), Parts("\x83\x76", "\x83\x8A"));

    const std::string tooLong(4096, 'x');
    EXPECT_EQ(AecrbsDevideCode(code, name, tooLong.c_str()), 0);
    EXPECT_STREQ(code, "");
    EXPECT_STREQ(name, "");
}

TEST(CheckCode, ThreeDigitsOrNothing) {
    EXPECT_EQ(AecrbsCheckCode("007"), 1);
    EXPECT_EQ(AecrbsCheckCode(""), 1);
    EXPECT_EQ(AecrbsCheckCode(nullptr), 1);
    EXPECT_EQ(AecrbsCheckCode("07"), 0);
    EXPECT_EQ(AecrbsCheckCode("0071"), 0);
    EXPECT_EQ(AecrbsCheckCode("0a7"), 0);
    EXPECT_EQ(AecrbsCheckCode("\xEF\xBC\x90"), 0);
}
