#pragma once
// The stand-in's one generator of key material, shared by its entries.

#include <cstddef>
#include <cstdint>

namespace enclib {

void seedGenerator(const char* text);
void randomBytes(size_t length, uint8_t* out);
// The generator in the form that the RSA key generation takes.
void randomForNettle(void* unused, size_t length, uint8_t* out);

}  // namespace enclib
