// Numbers as spreadsheets write them, turned into stored whole numbers and back.

#include <gtest/gtest.h>

#include "spreadsheet/decimal_number.h"

namespace {

using tk73sheet::decimalText;
using tk73sheet::scaledNumber;
using Status = tk73sheet::ScaledNumber::Status;

TEST(DecimalNumber, SpreadsheetNotationsBecomeTheStoredNumberExactly) {
    struct Case {
        const char* text;
        int decimals;
        Status status;
        uint64_t value;
    };
    const Case cases[] = {
        {"4.29", 2, Status::Ok, 429},
        {"4,29", 2, Status::Ok, 429},  // a decimal comma
        {" 4.3 ", 2, Status::Ok, 430},
        {"4", 2, Status::Ok, 400},
        {"+0.05", 2, Status::Ok, 5},
        {"4.2900000000000004", 2, Status::Ok, 429},  // a double written out in full
        {"4.2899999999999996", 2, Status::Ok, 429},
        {"1.5E-2", 2, Status::TooPrecise, 0},  // 0.015: a short number is taken as written
        {"4.29E+2", 0, Status::Ok, 429},
        {"4012300000075", 0, Status::Ok, 4012300000075ULL},
        {"0", 4, Status::Ok, 0},
        {"4.299", 2, Status::TooPrecise, 0},
        {"0.5", 0, Status::TooPrecise, 0},
        {"-1", 0, Status::Negative, 0},
        {"4.x9", 2, Status::NotANumber, 0},
        {"1.234,56", 2, Status::NotANumber, 0},
        {"", 2, Status::NotANumber, 0},
        {"E5", 0, Status::NotANumber, 0},
        {"99999999999999999999", 0, Status::TooLarge, 0},
    };
    for (const Case& c : cases) {
        const auto scaled = scaledNumber(c.text, c.decimals);
        EXPECT_EQ(scaled.status, c.status) << c.text;
        EXPECT_EQ(scaled.value, c.value) << c.text;
    }
    EXPECT_EQ(decimalText(429, 2), "4.29");
    EXPECT_EQ(decimalText(5, 2), "0.05");
    EXPECT_EQ(decimalText(150000, 4), "15.0000");
    EXPECT_EQ(decimalText(12, 0), "12");
}

}  // namespace
