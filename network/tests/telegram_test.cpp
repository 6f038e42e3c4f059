// The telegram header functions and the payload encryption hooks.

#include <gtest/gtest.h>

#include <vector>

#include "network/crypt_hooks.h"
#include "network/net_errors.h"
#include "network/telegram_header.h"

namespace {

class NetTelegram : public ::testing::Test {
  protected:
    void SetUp() override { context_ = TK73bslCreateAPC(nullptr); }
    void TearDown() override { TK73bslDeleteAPC(context_); }

    // A request of the type with length data bytes under the payload type.
    static std::vector<uint8_t> request(uint16_t type, uint8_t encryption, uint32_t length) {
        std::vector<uint8_t> header(16, 0);
        tk73net::setHeaderType(header.data(), type);
        header[4] = encryption;
        header[6] = 3;
        tk73net::setHeaderDataLength(header.data(), length);
        tk73net::setHeaderBlock(header.data(), 0x0102);
        return header;
    }

    TK73APC* context_ = nullptr;
};

TEST_F(NetTelegram, HeadersCarryVersionPaddingAndACheckByteThatAnswersMatch) {
    std::vector<uint8_t> header = request(0x1344, 0xC1, 13);
    ASSERT_EQ(TK73mslHdrSetRequest(context_, 1, header.data()), 1);
    EXPECT_EQ(header[0], 1);
    EXPECT_EQ(header[14], 0xFF);
    EXPECT_EQ(header[7], 3) << "to a multiple of 8";
    EXPECT_EQ(TK73mslHdrChkHeader(context_, header.data()), 1);
    EXPECT_EQ(TK73mslHdrChkVersion(context_, header.data()), 16);
    header[15]++;
    EXPECT_EQ(TK73mslHdrChkHeader(context_, header.data()), 0);
    EXPECT_EQ(context_->code, tk73net::kErrHeader);
    header[15]--;

    std::vector<uint8_t> answer = header;
    ASSERT_EQ(TK73mslHdrSetAnswer(context_, answer.data()), 1);
    EXPECT_EQ(tk73net::headerType(answer.data()), 0x0344);
    EXPECT_EQ(TK73mslHdrChkHeader(context_, answer.data()), 1);
    EXPECT_EQ(TK73mslHdrCmpHeader(context_, header.data(), answer.data()), 1);
    answer[12]++;
    EXPECT_EQ(TK73mslHdrCmpHeader(context_, header.data(), answer.data()), 0);
    EXPECT_EQ(TK73mslHdrCmpHeader(context_, answer.data(), header.data()), 0);

    std::vector<uint8_t> rsa = request(0x1342, 0xD0, 129);
    TK73mslHdrSetRequest(context_, 1, rsa.data());
    EXPECT_EQ(rsa[7], 127);
    EXPECT_EQ(TK73mslHdrSetRequest(context_, 2, rsa.data()), 0);
    EXPECT_EQ(context_->code, tk73net::kErrParameter);
    rsa[1] = 1;
    EXPECT_EQ(TK73mslHdrGetVersion(context_, rsa.data()), 0);
    EXPECT_EQ(TK73mslHdrChkVersion(context_, rsa.data()), 0);
}

TEST_F(NetTelegram, PayloadTypesTransformInPlaceAndBackAndUnknownTypesFail) {
    TK73CRPKEY keys;
    ASSERT_EQ(TK73mslCrpKeyInit(context_, &keys, 2), 1);
    EXPECT_EQ(keys.flags, 0x804u);
    ASSERT_EQ(TK73mslCrpKeyInit(context_, &keys, 1), 1);
    EXPECT_EQ(keys.flags, 0x808u);
    EXPECT_EQ(TK73mslCrpKeyInit(context_, &keys, 3), 0);
    keys.sessionKeys[0][0] = 1;
    keys.sessionKeys[1][0] = 2;
    const std::vector<uint8_t> plain = {'F', 'I', 'L', 'E', 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (uint8_t type : {0x81, 0x82, 0x83, 0xC0, 0xC1, 0xC2}) {
        std::vector<uint8_t> header = request(0x1342, type, 16);
        TK73mslHdrSetRequest(context_, 1, header.data());
        std::vector<uint8_t> data = plain;
        ASSERT_EQ(TK73mslCrpSetData(context_, header.data(), data.data(), &keys), 1) << +type;
        if (type == 0x81) {
            EXPECT_EQ(data[0], plain[0] ^ header[15]);
        } else if (type == 0x83) {
            EXPECT_EQ(data[0], static_cast<uint8_t>(~plain[0]));
        } else if (type != 0x82) {
            EXPECT_NE(data, plain) << +type;
        }
        // A request decrypts with the key of the other direction: an answer's bytes do not
        // come back by reading them as a request, except for the symmetric types.
        ASSERT_EQ(TK73mslCrpGetData(context_, header.data(), data.data(), &keys), 1);
        if (type != 0xC0) {
            EXPECT_EQ(data, plain) << +type;
        } else {
            EXPECT_NE(data, plain);
        }
    }
    std::vector<uint8_t> header = request(0x1342, 0x84, 16);
    std::vector<uint8_t> data = plain;
    EXPECT_EQ(TK73mslCrpSetData(context_, header.data(), data.data(), &keys), 0);
    EXPECT_EQ(context_->code, tk73net::kErrHeader);
    ASSERT_EQ(TK73mslCrpKeySet(context_, &keys, 4), 1);
    EXPECT_EQ(TK73mslCrpSetData(context_, header.data(), data.data(), &keys), 1) << "switched off";
    EXPECT_EQ(data, plain);
    ASSERT_EQ(TK73mslCrpKeySet(context_, &keys, 1), 1);
    EXPECT_NE(std::vector<uint8_t>(keys.desKeys[0], keys.desKeys[0] + 8),
              std::vector<uint8_t>(8, 0));
    EXPECT_EQ(TK73mslCrpKeySet(context_, &keys, 5), 0);
}

}  // namespace
