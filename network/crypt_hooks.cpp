#include "network/crypt_hooks.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "network/encryption_library.h"
#include "network/net_errors.h"
#include "network/telegram_header.h"
#include "platform/local_time.h"

namespace {

using tk73net::setError;

constexpr int kRsaBits = 1024;
constexpr uint32_t kRsaBlock = 128;

struct ClockText {
    std::tm time;
    int ms;
};

ClockText clockNow() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count() %
                    1000;
    return {tk73::localTimeNow(), static_cast<int>(ms)};
}

// The session key, DES keys or RSA areas that serve one direction of the block.
const uint8_t* sessionKey(const TK73CRPKEY* block, bool answer) {
    const bool direction = (block->flags & TK73_CRPKEY_DIRECTION) != 0;
    return block->sessionKeys[direction == answer ? 1 : 0];
}

const uint8_t* rsaAreas(const TK73CRPKEY* block, bool answer) {
    const bool direction = (block->flags & TK73_CRPKEY_DIRECTION) != 0;
    return block->rsaAreas[direction == answer ? 3 : 0];
}

int transform(TK73APC* context, const uint8_t* header, uint8_t* data, const TK73CRPKEY* block,
              bool answer) {
    if (context == nullptr) {
        return 0;
    }
    if (header == nullptr || block == nullptr) {
        setError(context, tk73net::kErrParameter, 0x021F7010, 0);
        return 0;
    }
    const uint32_t length = tk73net::headerDataLength(header) + header[7];
    if ((block->flags & TK73_CRPKEY_OFF) != 0 || header[4] == 0x00 || length == 0) {
        return 1;
    }
    if (data == nullptr) {
        setError(context, tk73net::kErrParameter, 0x021F7011, 0);
        return 0;
    }
    const uint8_t type = header[4];
    if (type == 0x81 || type == 0x82 || type == 0x83) {
        const uint8_t mask = type == 0x81 ? header[15] : type == 0x82 ? header[7] : 0xFF;
        for (uint32_t i = 0; i < length; ++i) {
            data[i] ^= mask;
        }
        return 1;
    }
    const tk73net::EncryptionEntries* library = tk73net::encryptionLibrary();
    const int n = static_cast<int>(length);
    const int encrypt = answer ? 1 : 0;
    int done = 0;
    if (library == nullptr || (type >= 0xC0 && type <= 0xC2 && length % 8 != 0)) {
        done = 0;
    } else if (type == 0xC0) {
        done = library->des(data, n, sessionKey(block, answer), encrypt);
    } else if (type == 0xC1) {
        done = library->des(data, n, block->desKeys[0], encrypt);
    } else if (type == 0xC2) {
        done = library->tdes(data, n, block->desKeys[1], block->desKeys[2], encrypt);
    } else if ((type == 0xD0 || type == 0xD1) && length == kRsaBlock) {
        const uint8_t* areas = rsaAreas(block, answer);
        const bool extended = type == 0xD1 || (block->flags & TK73_CRPKEY_RSA_EX) != 0;
        done =
            (extended ? library->rsaEx : library->rsa)(data, n, areas, areas + kRsaBlock, encrypt);
    }
    if (done != 1) {
        setError(context, tk73net::kErrHeader, 0x021F7012, 0);
        return 0;
    }
    return 1;
}

}  // namespace

int TK73_API TK73mslCrpKeyInit(TK73APC* context, TK73CRPKEY* block, int kind) {
    if (context == nullptr) {
        return 0;
    }
    if (block == nullptr || (kind != 1 && kind != 2)) {
        setError(context, tk73net::kErrParameter, 0x021F7013, 0);
        return 0;
    }
    if (const tk73net::EncryptionEntries* library = tk73net::encryptionLibrary()) {
        const ClockText now = clockNow();
        char seed[16] = {};
        std::snprintf(seed, sizeof seed, "%02d%02d%02d%03d", now.time.tm_hour, now.time.tm_min,
                      now.time.tm_sec, now.ms);
        seed[8] = '\0';
        library->initial(seed);
        library->rsaSetBitNum(kRsaBits);
    }
    std::memset(block, 0, sizeof *block);
    block->flags = kind == 1 ? 0x808 : 0x804;
    return 1;
}

int TK73_API TK73mslCrpKeySet(TK73APC* context, TK73CRPKEY* block, int kind) {
    if (context == nullptr) {
        return 0;
    }
    if (block == nullptr || kind < 1 || kind > 4) {
        setError(context, tk73net::kErrParameter, 0x021F7014, 0);
        return 0;
    }
    if (kind == 4) {
        block->flags |= TK73_CRPKEY_OFF;
        return 1;
    }
    const tk73net::EncryptionEntries* library = tk73net::encryptionLibrary();
    const ClockText now = clockNow();
    char forward[16] = {};
    char backward[16] = {};
    std::snprintf(forward, sizeof forward, "%02d%02d%02d%02d", now.time.tm_hour, now.time.tm_min,
                  now.time.tm_sec, now.ms % 100);
    std::snprintf(backward, sizeof backward, "%02d%02d%02d%02d", now.ms % 100, now.time.tm_sec,
                  now.time.tm_min, now.time.tm_hour);
    if (library == nullptr ||
        library->desMakeRandKeyEx(forward, backward, block->desKeys[kind - 1]) != 1) {
        setError(context, tk73net::kErrHeader, 0x021F7015, 0);
        return 0;
    }
    return 1;
}

int TK73_API TK73mslCrpSetData(TK73APC* context, const uint8_t* header, uint8_t* data,
                               const TK73CRPKEY* block) {
    return transform(context, header, data, block, true);
}

int TK73_API TK73mslCrpGetData(TK73APC* context, const uint8_t* header, uint8_t* data,
                               const TK73CRPKEY* block) {
    return transform(context, header, data, block, false);
}
