#include "base/date_time.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "tests/support/temp_environment.h"

namespace {

std::string dateOf(int days, int expected = 1) {
    char out[9] = "xxxxxxxx";
    EXPECT_EQ(AecrbsIntegerToDate(out, days), expected) << days;
    return out;
}

}  // namespace

TEST(DayNumbers, CountFromTheFirstOfJanuary1998) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(dateOf(0), "19980101");
    EXPECT_EQ(dateOf(364), "19981231");
    EXPECT_EQ(dateOf(365), "19990101");
    EXPECT_EQ(dateOf(730), "20000101");
    EXPECT_EQ(dateOf(-1), "19971231");
}

TEST(DayNumbers, FollowTheGregorianLeapYears) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(dateOf(730 + 59), "20000229");  // 2000 is a leap year (divisible by 400)
    EXPECT_EQ(dateOf(730 + 60), "20000301");
    EXPECT_EQ(dateOf(2191 + 59), "20040229");
    EXPECT_EQ(dateOf(37255), "21000101");
    EXPECT_EQ(dateOf(37255 + 59), "21000301");  // 2100 is not (divisible by 100)
}

TEST(DayNumbers, DatesWithoutFourDigitsOfYearAreRefused) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(dateOf(2922669), "99991231");
    EXPECT_EQ(dateOf(2922670, 0), "");
    EXPECT_EQ(dateOf(2147483647, 0), "");
    EXPECT_EQ(dateOf(-729389), "00010101");
    EXPECT_EQ(dateOf(-729390, 0), "");
    EXPECT_EQ(AecrbsIntegerToDate(nullptr, 0), 0);
}

TEST(TimeStamps, AreTheLocalTimeInDigits) {
    tk73test::TempEnvironment environment;
    char seconds[15];
    char minutes[13];
    const std::time_t before = std::time(nullptr);
    EXPECT_EQ(AecrbsGetYYYYMMDDhhmmss(seconds), 1);
    EXPECT_EQ(AecrbsGetNowDateTime(minutes), 12);
    const std::time_t after = std::time(nullptr);
    std::tm local{};
    localtime_r(&before, &local);
    char expected[32];
    std::strftime(expected, sizeof expected, "%Y%m%d%H%M%S", &local);
    if (before == after) {
        EXPECT_STREQ(seconds, expected);
        EXPECT_EQ(std::string(minutes), std::string(expected, 12));
    }
    EXPECT_EQ(std::string(seconds).size(), 14u);
    EXPECT_EQ(std::string(minutes).size(), 12u);
}
