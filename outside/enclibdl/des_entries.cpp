#include <nettle/cbc.h>
#include <nettle/des.h>
#include <nettle/sha2.h>

#include <cstring>

#include "outside/enclibdl/enclibdl.h"
#include "outside/enclibdl/key_generator.h"

namespace {

// The block functions in the form that the chaining mode calls.
void desEncrypt(const void* context, size_t length, uint8_t* out, const uint8_t* in) {
    des_encrypt(static_cast<const des_ctx*>(context), length, out, in);
}
void desDecrypt(const void* context, size_t length, uint8_t* out, const uint8_t* in) {
    des_decrypt(static_cast<const des_ctx*>(context), length, out, in);
}
void des3Encrypt(const void* context, size_t length, uint8_t* out, const uint8_t* in) {
    des3_encrypt(static_cast<const des3_ctx*>(context), length, out, in);
}
void des3Decrypt(const void* context, size_t length, uint8_t* out, const uint8_t* in) {
    des3_decrypt(static_cast<const des3_ctx*>(context), length, out, in);
}

bool usableLength(const unsigned char* data, int length) {
    return data != nullptr && length > 0 && length % DES_BLOCK_SIZE == 0;
}

}  // namespace

int encrypt_initial(const char* seed) {
    enclib::seedGenerator(seed);
    return 1;
}

int encrypt_des_make_rand_key_ex(const char* seed1, const char* seed2, unsigned char* key) {
    if (seed1 == nullptr || seed2 == nullptr || key == nullptr) {
        return 0;
    }
    uint8_t fresh[16];
    enclib::randomBytes(sizeof fresh, fresh);
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_ctx hash;
    sha256_init(&hash);
    sha256_update(&hash, strnlen(seed1, 8), reinterpret_cast<const uint8_t*>(seed1));
    sha256_update(&hash, strnlen(seed2, 8), reinterpret_cast<const uint8_t*>(seed2));
    sha256_update(&hash, sizeof fresh, fresh);
    sha256_digest(&hash, sizeof digest, digest);
    des_fix_parity(DES_KEY_SIZE, key, digest);
    return 1;
}

int encrypt_des(unsigned char* data, int length, const unsigned char* key, int encrypt) {
    if (!usableLength(data, length) || key == nullptr) {
        return 0;
    }
    des_ctx context;
    // A weak key still works; the session decides which keys it uses.
    des_set_key(&context, key);
    uint8_t start[DES_BLOCK_SIZE] = {};
    const auto size = static_cast<size_t>(length);
    if (encrypt != 0) {
        cbc_encrypt(&context, desEncrypt, DES_BLOCK_SIZE, start, size, data, data);
    } else {
        cbc_decrypt(&context, desDecrypt, DES_BLOCK_SIZE, start, size, data, data);
    }
    return 1;
}

int encrypt_tdes(unsigned char* data, int length, const unsigned char* key1,
                 const unsigned char* key2, int encrypt) {
    if (!usableLength(data, length) || key1 == nullptr || key2 == nullptr) {
        return 0;
    }
    uint8_t keys[DES3_KEY_SIZE];
    std::memcpy(keys, key1, DES_KEY_SIZE);
    std::memcpy(keys + DES_KEY_SIZE, key2, DES_KEY_SIZE);
    std::memcpy(keys + 2 * DES_KEY_SIZE, key1, DES_KEY_SIZE);
    des3_ctx context;
    des3_set_key(&context, keys);
    uint8_t start[DES3_BLOCK_SIZE] = {};
    const auto size = static_cast<size_t>(length);
    if (encrypt != 0) {
        cbc_encrypt(&context, des3Encrypt, DES3_BLOCK_SIZE, start, size, data, data);
    } else {
        cbc_decrypt(&context, des3Decrypt, DES3_BLOCK_SIZE, start, size, data, data);
    }
    return 1;
}
