#pragma once
// The outside encryption library "enclibdl.dll" (outside/enclibdl has its README), loaded once
// per process. Without it the file service still serves the plain and XOR payload types.

namespace tk73net {

struct EncryptionEntries {
    int (*initial)(const char* seed);
    int (*rsaSetBitNum)(int bits);
    int (*desMakeRandKeyEx)(const char* seed1, const char* seed2, unsigned char* key);
    int (*des)(unsigned char* data, int length, const unsigned char* key, int encrypt);
    int (*tdes)(unsigned char* data, int length, const unsigned char* key1,
                const unsigned char* key2, int encrypt);
    int (*rsa)(unsigned char* data, int length, const unsigned char* modulus,
               const unsigned char* exponent, int encrypt);
    int (*rsaEx)(unsigned char* data, int length, const unsigned char* modulus,
                 const unsigned char* exponent, int encrypt);
    int (*rsaMakeExParam)(unsigned char* modulus, unsigned char* publicExponent,
                          unsigned char* privateExponent);
};

// Null when the library is missing or lacks one of its entries.
const EncryptionEntries* encryptionLibrary();

}  // namespace tk73net
