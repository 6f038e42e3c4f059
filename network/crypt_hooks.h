#pragma once
// The payload encryption of the file service: the key block and the hooks that encrypt an
// answer's data (plus padding) in place before it is sent, and decrypt a request's after it
// arrived, as byte 4 of the header says:
//
//   0x00 none   0x81 XOR header byte 15   0x82 XOR header byte 7   0x83 inverted
//   0xC0 DES with a session key   0xC1 DES with DES key 1   0xC2 triple DES with DES keys 2, 3
//   0xD0, 0xD1 1024-bit RSA (0xD1, and 0xD0 with flag 0x800, through the extended entry)
//
// The DES and RSA types need the outside library; any other type is an encryption error.

#include <cstdint>

#include "network/app_context.h"

#pragma pack(push, 1)
struct TK73CRPKEY {
    // 0x80: encryption off (set and get leave the data as it is); 0x800: the extended RSA entry;
    // 0x08: requests arrive under session key 1 and RSA areas 0-2, answers leave under session
    // key 2 and RSA areas 3-5 (the other way round without it).
    uint32_t flags;
    uint8_t sessionKeys[2][8];
    // Per direction: modulus, exponent, and one spare area.
    uint8_t rsaAreas[6][128];
    uint8_t desKeys[3][8];
};
#pragma pack(pop)
static_assert(sizeof(TK73CRPKEY) == 812);

inline constexpr uint32_t TK73_CRPKEY_OFF = 0x80;
inline constexpr uint32_t TK73_CRPKEY_RSA_EX = 0x800;
inline constexpr uint32_t TK73_CRPKEY_DIRECTION = 0x08;

// Seeds the library with the local time, zero-fills the block and sets flags 0x808 (kind 1) or
// 0x804 (kind 2).
TK73_EXPORT int TK73_API TK73mslCrpKeyInit(TK73APC* context, TK73CRPKEY* block, int kind);
// Kinds 1-3: a new random DES key 1, 2 or 3; kind 4: encryption off.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslCrpKeySet(TK73APC* context, TK73CRPKEY* block,
                                                         int kind);
// Encrypt (answers) and decrypt (requests) data plus padding in place.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslCrpSetData(TK73APC* context, const uint8_t* header,
                                                          uint8_t* data, const TK73CRPKEY* block);
TK73_EXPORT TK73_NODISCARD int TK73_API TK73mslCrpGetData(TK73APC* context, const uint8_t* header,
                                                          uint8_t* data, const TK73CRPKEY* block);
