#pragma once
// The 16-byte header of every telegram of the LAN file service (integers little-endian):
//
//   0 version major (1)   1 version minor (0)   2-3 type (bit 0x1000 set in a request)
//   4 payload encryption  5 flags (bit 0: more blocks follow)   6 sub-kind   7 padding length
//   8-11 data length without padding   12-13 block number   14 result (255: request, OK)
//   15 check byte: the sum of bytes 0-14
//
// Data plus padding is at most 1200 bytes.

#include <cstdint>

#include "network/app_context.h"

namespace tk73net {

inline constexpr int kHeaderSize = 16;
inline constexpr uint32_t kMaxTelegramData = 1200;
inline constexpr uint16_t kRequestBit = 0x1000;
inline constexpr uint8_t kFlagContinuation = 0x01;
inline constexpr uint8_t kResultOk = 0xFF;

// The telegram types as the register sends them.
inline constexpr uint16_t kTypeAuthentication = 0x1341;
inline constexpr uint16_t kTypeRegisterSends = 0x1342;
inline constexpr uint16_t kTypePcSends = 0x1344;
inline constexpr uint16_t kTypeWorkRequest = 0x13FF;

// Result codes of byte 14.
inline constexpr uint8_t kResultTimeOut = 0x00;
inline constexpr uint8_t kResultPassword = 0x04;
inline constexpr uint8_t kResultHeader = 0x10;
inline constexpr uint8_t kResultDataSetting = 0x11;
inline constexpr uint8_t kResultEncryption = 0x12;
inline constexpr uint8_t kResultSequence = 0x13;
inline constexpr uint8_t kResultSystem = 0x30;
inline constexpr uint8_t kResultInvalidService = 0x41;

uint16_t headerType(const uint8_t* header);
uint32_t headerDataLength(const uint8_t* header);
uint16_t headerBlock(const uint8_t* header);
void setHeaderType(uint8_t* header, uint16_t type);
void setHeaderDataLength(uint8_t* header, uint32_t length);
void setHeaderBlock(uint8_t* header, uint16_t block);
uint8_t headerCheckByte(const uint8_t* header);
// The zero bytes that the encryption type appends to length data bytes.
uint8_t paddingFor(uint8_t encryption, uint32_t length);

}  // namespace tk73net

TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslHdrGetVersion(TK73APC* context,
                                                             const uint8_t* header);
// 16 when the version is 1.0, else 0.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslHdrChkVersion(TK73APC* context,
                                                             const uint8_t* header);
TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslHdrChkHeader(TK73APC* context,
                                                            const uint8_t* header);
TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslHdrCmpHeader(TK73APC* context,
                                                            const uint8_t* request,
                                                            const uint8_t* answer);
// kind must be 1: version 1.0, result 255, the padding of the encryption type, the check byte.
TK73_EXPORT int TK73_API TK73mslHdrSetRequest(TK73APC* context, int kind, uint8_t* header);
// Clears the request bit, recomputes the padding and the check byte.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslHdrSetAnswer(TK73APC* context, uint8_t* header);
