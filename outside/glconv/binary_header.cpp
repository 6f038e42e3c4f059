#include "outside/glconv/binary_header.h"

#include <zlib.h>

#include "outside/glconv/little_endian.h"
#include "outside/glconv/result_codes.h"

namespace glconv {

uint32_t crcOf(const char* bytes, size_t size) {
    return static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes),
                                       static_cast<uInt>(size)));
}

bool hasMagic(const std::string& bytes, std::string_view magic) {
    return bytes.size() >= magic.size() && std::string_view(bytes).substr(0, magic.size()) == magic;
}

void sealHeader(std::string& header, const HeaderLayout& layout, int machineId) {
    header.replace(0, layout.magic.size(), layout.magic);
    putLittleEndian(header, layout.versionOffset, layout.version, 2);
    header[layout.machineIdOffset] = static_cast<char>(machineId);
    putLittleEndian(header, layout.headerCrcOffset, crcOf(header.data(), layout.headerCrcOffset),
                    4);
}

int checkHeader(const std::string& binary, const HeaderLayout& layout, int machineId) {
    if (!hasMagic(binary, layout.magic) ||
        getLittleEndian(binary, layout.versionOffset, 2) != layout.version) {
        return kIllegalFormat;
    }
    if (getLittleEndian(binary, layout.headerCrcOffset, 4) !=
        crcOf(binary.data(), layout.headerCrcOffset)) {
        return kCannotConvert;
    }
    if (static_cast<unsigned char>(binary[layout.machineIdOffset]) != machineId) {
        return kDifferentMachine;
    }
    return kNormalEnd;
}

}  // namespace glconv
