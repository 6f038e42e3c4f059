#include "apps/editors/item/scanning_code.h"

#include <gtest/gtest.h>

using tk73item::checkDigit;
using tk73item::normaliseScanningCode;

TEST(ScanningCode, ArticleNumbersWithTheirCheckDigitBecomeFourteenDigits) {
    // EAN-13 of the shipped scanning PLU file, UPC-A, EAN-8.
    EXPECT_EQ(normaliseScanningCode("4098700000136"), "04098700000136");
    EXPECT_EQ(normaliseScanningCode("036000291452"), "00036000291452");
    EXPECT_EQ(normaliseScanningCode("96385074"), "00000096385074");
    // In-store numbers of the EAN ranges carry a check digit too.
    EXPECT_EQ(normaliseScanningCode("2012345004290"), "02012345004290");
    EXPECT_EQ(normaliseScanningCode("20123451"), "00000020123451");
    // A UPC-A and the same article as EAN-13 share one record.
    EXPECT_EQ(normaliseScanningCode("0036000291452"), normaliseScanningCode("036000291452"));
    EXPECT_EQ(normaliseScanningCode("  96385074 "), "00000096385074");
}

TEST(ScanningCode, InStoreCodesOfUpToSevenDigitsNeedNoCheckDigit) {
    EXPECT_EQ(normaliseScanningCode("1"), "00000000000001");
    EXPECT_EQ(normaliseScanningCode("1234567"), "00000001234567");
    EXPECT_EQ(normaliseScanningCode("0012"), "00000000000012");
}

TEST(ScanningCode, RefusesWhatNoLabelCarries) {
    EXPECT_FALSE(normaliseScanningCode("4098700000137"));  // wrong check digit
    EXPECT_FALSE(normaliseScanningCode("036000291453"));
    EXPECT_FALSE(normaliseScanningCode("96385075"));
    for (const char* length : {"123456789", "1234567890", "12345678901"}) {
        EXPECT_FALSE(normaliseScanningCode(length)) << length;
    }
    EXPECT_FALSE(normaliseScanningCode("40987000001360"));  // 14 typed characters
    EXPECT_FALSE(normaliseScanningCode(""));
    EXPECT_FALSE(normaliseScanningCode("   "));
    EXPECT_FALSE(normaliseScanningCode("12a4"));
    EXPECT_FALSE(normaliseScanningCode("12 34"));
    EXPECT_FALSE(normaliseScanningCode("-123"));
    // Zeros are the code of a free record, whatever length they are typed in.
    EXPECT_FALSE(normaliseScanningCode("0"));
    EXPECT_FALSE(normaliseScanningCode("0000000000000"));
}

TEST(ScanningCode, CheckDigitWeighsThreeAndOneFromTheRight) {
    EXPECT_EQ(checkDigit("409870000013"), 6);
    EXPECT_EQ(checkDigit("03600029145"), 2);
    EXPECT_EQ(checkDigit("9638507"), 4);
    EXPECT_EQ(checkDigit("000000000000"), 0);
}
