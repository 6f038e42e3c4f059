#include "network/telegram_header.h"

#include "network/net_errors.h"

namespace tk73net {
namespace {

bool refuseNull(TK73APC* context, const void* pointer, int32_t detail) {
    if (pointer == nullptr) {
        setError(context, kErrParameter, detail, 0);
        return true;
    }
    return false;
}

bool isVersion10(const uint8_t* header) {
    return header[0] == 1 && header[1] == 0;
}

void finishHeader(uint8_t* header) {
    header[7] = paddingFor(header[4], headerDataLength(header));
    header[15] = headerCheckByte(header);
}

}  // namespace

uint16_t headerType(const uint8_t* header) {
    return static_cast<uint16_t>(header[2] | header[3] << 8);
}

uint32_t headerDataLength(const uint8_t* header) {
    return static_cast<uint32_t>(header[8]) | static_cast<uint32_t>(header[9]) << 8 |
           static_cast<uint32_t>(header[10]) << 16 | static_cast<uint32_t>(header[11]) << 24;
}

uint16_t headerBlock(const uint8_t* header) {
    return static_cast<uint16_t>(header[12] | header[13] << 8);
}

void setHeaderType(uint8_t* header, uint16_t type) {
    header[2] = static_cast<uint8_t>(type);
    header[3] = static_cast<uint8_t>(type >> 8);
}

void setHeaderDataLength(uint8_t* header, uint32_t length) {
    for (int i = 0; i < 4; ++i) {
        header[8 + i] = static_cast<uint8_t>(length >> (8 * i));
    }
}

void setHeaderBlock(uint8_t* header, uint16_t block) {
    header[12] = static_cast<uint8_t>(block);
    header[13] = static_cast<uint8_t>(block >> 8);
}

uint8_t headerCheckByte(const uint8_t* header) {
    unsigned sum = 0;
    for (int i = 0; i < 15; ++i) {
        sum += header[i];
    }
    return static_cast<uint8_t>(sum);
}

uint8_t paddingFor(uint8_t encryption, uint32_t length) {
    uint32_t unit = 1;
    if (encryption >= 0xC0 && encryption <= 0xC2) {
        unit = 8;
    } else if (encryption == 0xD0 || encryption == 0xD1) {
        unit = 128;
    }
    return static_cast<uint8_t>((unit - length % unit) % unit);
}

}  // namespace tk73net

using namespace tk73net;

int TK73_API TK73mslHdrGetVersion(TK73APC* context, const uint8_t* header) {
    if (refuseNull(context, header, 0x021F7001)) {
        return 0;
    }
    if (!isVersion10(header)) {
        setError(context, kErrHeader, 0x021F7002, 0);
        return 0;
    }
    return 1;
}

int TK73_API TK73mslHdrChkVersion(TK73APC* context, const uint8_t* header) {
    return TK73mslHdrGetVersion(context, header) == 1 ? kHeaderSize : 0;
}

int TK73_API TK73mslHdrChkHeader(TK73APC* context, const uint8_t* header) {
    if (TK73mslHdrGetVersion(context, header) != 1) {
        return 0;
    }
    if (header[15] != headerCheckByte(header)) {
        setError(context, kErrHeader, 0x021F7003, 0);
        return 0;
    }
    return 1;
}

int TK73_API TK73mslHdrCmpHeader(TK73APC* context, const uint8_t* request, const uint8_t* answer) {
    if (refuseNull(context, request, 0x021F7004) || refuseNull(context, answer, 0x021F7004)) {
        return 0;
    }
    const uint16_t asked = headerType(request);
    const bool same = request[0] == answer[0] && request[1] == answer[1] &&
                      (asked & kRequestBit) != 0 && headerType(answer) == (asked & ~kRequestBit) &&
                      request[6] == answer[6] && headerBlock(request) == headerBlock(answer);
    if (!same) {
        setError(context, kErrHeader, 0x021F7005, 0);
        return 0;
    }
    return 1;
}

int TK73_API TK73mslHdrSetRequest(TK73APC* context, int kind, uint8_t* header) {
    if (refuseNull(context, header, 0x021F7006)) {
        return 0;
    }
    if (kind != 1) {
        setError(context, kErrParameter, 0x021F7007, 0);
        return 0;
    }
    header[0] = 1;
    header[1] = 0;
    header[14] = kResultOk;
    finishHeader(header);
    return 1;
}

int TK73_API TK73mslHdrSetAnswer(TK73APC* context, uint8_t* header) {
    if (refuseNull(context, header, 0x021F7008)) {
        return 0;
    }
    setHeaderType(header, headerType(header) & ~kRequestBit);
    finishHeader(header);
    return 1;
}
