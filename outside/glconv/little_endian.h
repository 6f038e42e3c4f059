#pragma once
// Numbers in the converter's binary files are little-endian, whatever machine writes them.

#include <cstdint>
#include <string>

namespace glconv {

inline void putLittleEndian(std::string& bytes, size_t offset, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes[offset + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

inline uint32_t getLittleEndian(const std::string& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    }
    return value;
}

}  // namespace glconv
