// The encryption stand-in against known answers and round trips.

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstring>
#include <vector>

#include "outside/enclibdl/enclibdl.h"

namespace {

using Bytes = std::vector<unsigned char>;

TEST(EncLibDes, KnownAnswerChainingAndTripleDes) {
    const unsigned char key[8] = {0x13, 0x34, 0x57, 0x79, 0x9B, 0xBC, 0xDF, 0xF1};
    Bytes data = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF,
                  0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    const Bytes plain = data;
    ASSERT_EQ(encrypt_des(data.data(), 16, key, 1), 1);
    // The first block is the textbook DES answer; the second equal block differs (chained).
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 8),
              (Bytes{0x85, 0xE8, 0x13, 0x54, 0x0F, 0x0A, 0xB4, 0x05}));
    EXPECT_NE(Bytes(data.begin() + 8, data.end()), Bytes(data.begin(), data.begin() + 8));
    Bytes triple = plain;
    // Triple DES with both keys equal is single DES.
    ASSERT_EQ(encrypt_tdes(triple.data(), 16, key, key, 1), 1);
    EXPECT_EQ(triple, data);
    ASSERT_EQ(encrypt_des(data.data(), 16, key, 0), 1);
    EXPECT_EQ(data, plain);
    const unsigned char other[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(encrypt_tdes(triple.data(), 16, key, other, 0), 1);
    EXPECT_NE(triple, plain);
    EXPECT_EQ(encrypt_des(data.data(), 12, key, 1), 0) << "not a multiple of 8";
    EXPECT_EQ(data, plain);
}

TEST(EncLibDes, RandomKeysHaveOddParityAndDiffer) {
    ASSERT_EQ(encrypt_initial("12304512"), 1);
    unsigned char first[8] = {};
    unsigned char second[8] = {};
    ASSERT_EQ(encrypt_des_make_rand_key_ex("12304512", "12450312", first), 1);
    ASSERT_EQ(encrypt_des_make_rand_key_ex("12304512", "12450312", second), 1);
    EXPECT_NE(std::memcmp(first, second, 8), 0) << "the same seeds never give the same key";
    for (unsigned char byte : first) {
        EXPECT_EQ(std::bitset<8>(byte).count() % 2, 1u);
    }
    EXPECT_EQ(encrypt_des_make_rand_key_ex(nullptr, "1", first), 0);
}

TEST(EncLibRsa, KeyPairRoundTripsBlocksBelowTheModulusOnly) {
    ASSERT_EQ(encrypt_rsa_set_bitnum(1024), 1);
    EXPECT_EQ(encrypt_rsa_set_bitnum(2048), 0);
    Bytes modulus(128), publicExp(128), privateExp(128);
    ASSERT_EQ(encrypt_rsa_make_exparam(modulus.data(), publicExp.data(), privateExp.data()), 1);
    EXPECT_GE(modulus[0], 0x80) << "a full 1024-bit modulus";
    Bytes data(256);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<unsigned char>(i * 7);
    }
    data[0] = data[128] = 0;  // below the modulus
    const Bytes plain = data;
    ASSERT_EQ(encrypt_rsa(data.data(), 256, modulus.data(), publicExp.data(), 1), 1);
    EXPECT_NE(data, plain);
    ASSERT_EQ(encrypt_rsa(data.data(), 256, modulus.data(), privateExp.data(), 0), 1);
    EXPECT_EQ(data, plain);

    // The extended entry reads every number little-endian.
    Bytes reversedModulus(modulus.rbegin(), modulus.rend());
    Bytes reversedPublic(publicExp.rbegin(), publicExp.rend());
    Bytes reversedPrivate(privateExp.rbegin(), privateExp.rend());
    Bytes block(plain.begin(), plain.begin() + 128);
    std::reverse(block.begin(), block.end());
    const Bytes little = block;
    ASSERT_EQ(encrypt_rsa_ex(block.data(), 128, reversedModulus.data(), reversedPublic.data(), 1),
              1);
    ASSERT_EQ(encrypt_rsa_ex(block.data(), 128, reversedModulus.data(), reversedPrivate.data(), 0),
              1);
    EXPECT_EQ(block, little);

    Bytes tooLarge(modulus);
    EXPECT_EQ(encrypt_rsa(tooLarge.data(), 128, modulus.data(), publicExp.data(), 1), 0);
    EXPECT_EQ(tooLarge, modulus);
    EXPECT_EQ(encrypt_rsa(data.data(), 100, modulus.data(), publicExp.data(), 1), 0);
}

}  // namespace
