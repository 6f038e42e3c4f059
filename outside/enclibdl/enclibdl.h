#pragma once
// The entries of the encryption stand-in ("enclibdl.dll" -> libenclibdl.so). C calling
// convention; every entry answers 1 on success and 0 on failure. README.md has the formats.

#define ENCLIB_EXPORT extern "C" __attribute__((visibility("default")))

// Seeds the key generator with a text (the caller's clock) mixed with the system's randomness.
ENCLIB_EXPORT int encrypt_initial(const char* seed);
// Only 1024 bits are served.
ENCLIB_EXPORT int encrypt_rsa_set_bitnum(int bits);
// A random 8-byte DES key (odd parity) from two 8-character seeds and the generator.
ENCLIB_EXPORT int encrypt_des_make_rand_key_ex(const char* seed1, const char* seed2,
                                               unsigned char* key);
// DES in CBC mode with a zero start vector over length bytes (a multiple of 8), in place.
ENCLIB_EXPORT int encrypt_des(unsigned char* data, int length, const unsigned char* key,
                              int encrypt);
// Triple DES (key1, key2, key1) in CBC mode with a zero start vector, in place.
ENCLIB_EXPORT int encrypt_tdes(unsigned char* data, int length, const unsigned char* key1,
                               const unsigned char* key2, int encrypt);
// Raw 1024-bit RSA over 128-byte blocks in place: each block, read as a big-endian number below
// the modulus, becomes its power by the exponent. Modulus and exponent are 128 bytes, big-endian.
ENCLIB_EXPORT int encrypt_rsa(unsigned char* data, int length, const unsigned char* modulus,
                              const unsigned char* exponent, int encrypt);
// The same with blocks, modulus and exponent in little-endian order.
ENCLIB_EXPORT int encrypt_rsa_ex(unsigned char* data, int length, const unsigned char* modulus,
                                 const unsigned char* exponent, int encrypt);
// A new key pair: modulus, public and private exponent, 128 bytes each, big-endian.
ENCLIB_EXPORT int encrypt_rsa_make_exparam(unsigned char* modulus, unsigned char* publicExponent,
                                           unsigned char* privateExponent);
