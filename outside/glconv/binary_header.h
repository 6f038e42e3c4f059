#pragma once
// What the program and logo binary files share: a magic at the start, a format version, a CRC-32
// of the header over its bytes before the CRC, and the machine-ID byte of the register model.

#include <cstdint>
#include <string>
#include <string_view>

namespace glconv {

// The header's fixed places of one binary format.
struct HeaderLayout {
    std::string_view magic;
    size_t versionOffset;  // two bytes
    uint32_t version;
    size_t machineIdOffset;
    size_t headerCrcOffset;  // four bytes over bytes [0, headerCrcOffset)
};

uint32_t crcOf(const char* bytes, size_t size);

[[nodiscard]] bool hasMagic(const std::string& bytes, std::string_view magic);

// Writes the magic, the version, the machine ID and, last, the header CRC into a header of the
// layout's size.
void sealHeader(std::string& header, const HeaderLayout& layout, int machineId);

// Checks a header that is whole: kIllegalFormat for another format or version, kCannotConvert
// for a changed header, kDifferentMachine for another model's file, else kNormalEnd.
[[nodiscard]] int checkHeader(const std::string& binary, const HeaderLayout& layout, int machineId);

}  // namespace glconv
