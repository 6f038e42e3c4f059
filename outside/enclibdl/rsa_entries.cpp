#include <gmp.h>
#include <nettle/bignum.h>
#include <nettle/rsa.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "outside/enclibdl/enclibdl.h"
#include "outside/enclibdl/key_generator.h"

namespace {

constexpr int kBits = 1024;
constexpr size_t kBlock = kBits / 8;
constexpr unsigned long kPublicExponent = 65537;

// A number of 128 bytes in either order.
void readNumber(mpz_t out, const unsigned char* bytes, bool littleEndian) {
    uint8_t ordered[kBlock];
    std::memcpy(ordered, bytes, kBlock);
    if (littleEndian) {
        std::reverse(ordered, ordered + kBlock);
    }
    nettle_mpz_set_str_256_u(out, kBlock, ordered);
}

void writeNumber(unsigned char* bytes, const mpz_t value, bool littleEndian) {
    nettle_mpz_get_str_256(kBlock, bytes, value);
    if (littleEndian) {
        std::reverse(bytes, bytes + kBlock);
    }
}

int powerBlocks(unsigned char* data, int length, const unsigned char* modulus,
                const unsigned char* exponent, bool littleEndian) {
    if (data == nullptr || modulus == nullptr || exponent == nullptr || length <= 0 ||
        length % static_cast<int>(kBlock) != 0) {
        return 0;
    }
    mpz_t n, e, m;
    mpz_inits(n, e, m, nullptr);
    readNumber(n, modulus, littleEndian);
    readNumber(e, exponent, littleEndian);
    int done = mpz_sgn(n) > 0 && mpz_sgn(e) > 0 ? 1 : 0;
    for (int at = 0; done == 1 && at < length; at += static_cast<int>(kBlock)) {
        readNumber(m, data + at, littleEndian);
        // A block at or above the modulus would not come back: refused, data unchanged after it.
        if (mpz_cmp(m, n) >= 0) {
            done = 0;
            break;
        }
        mpz_powm(m, m, e, n);
        writeNumber(data + at, m, littleEndian);
    }
    mpz_clears(n, e, m, nullptr);
    return done;
}

}  // namespace

int encrypt_rsa_set_bitnum(int bits) {
    return bits == kBits ? 1 : 0;
}

int encrypt_rsa(unsigned char* data, int length, const unsigned char* modulus,
                const unsigned char* exponent, int) {
    return powerBlocks(data, length, modulus, exponent, false);
}

int encrypt_rsa_ex(unsigned char* data, int length, const unsigned char* modulus,
                   const unsigned char* exponent, int) {
    return powerBlocks(data, length, modulus, exponent, true);
}

int encrypt_rsa_make_exparam(unsigned char* modulus, unsigned char* publicExponent,
                             unsigned char* privateExponent) {
    if (modulus == nullptr || publicExponent == nullptr || privateExponent == nullptr) {
        return 0;
    }
    rsa_public_key pub;
    rsa_private_key key;
    rsa_public_key_init(&pub);
    rsa_private_key_init(&key);
    mpz_set_ui(pub.e, kPublicExponent);
    const int made = rsa_generate_keypair(&pub, &key, nullptr, enclib::randomForNettle, nullptr,
                                          nullptr, kBits, 0);
    if (made == 1) {
        writeNumber(modulus, pub.n, false);
        writeNumber(publicExponent, pub.e, false);
        writeNumber(privateExponent, key.d, false);
    }
    rsa_public_key_clear(&pub);
    rsa_private_key_clear(&key);
    return made == 1 ? 1 : 0;
}
