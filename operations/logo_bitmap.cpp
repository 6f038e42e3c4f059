#include "operations/logo_bitmap.h"

#include <cstdint>

namespace tk73ops {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kColourTableBytes = 8;
constexpr uint32_t kDataOffset = kFileHeaderBytes + kInfoHeaderBytes + kColourTableBytes;

void put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

std::optional<std::string> LogoBitmapFromProgramFile(const std::string& logoFile, int width,
                                                     int height) {
    if (width <= 0 || height <= 0 || width % 8 != 0) {
        return std::nullopt;
    }
    const size_t rowBytes = static_cast<size_t>(width) / 8;
    if (logoFile.size() != kLogoHeaderBytes + rowBytes * static_cast<size_t>(height)) {
        return std::nullopt;
    }
    const uint32_t paddedRow = static_cast<uint32_t>((rowBytes + 3) / 4 * 4);
    const uint32_t imageBytes = paddedRow * static_cast<uint32_t>(height);

    std::string out;
    out.reserve(kDataOffset + imageBytes);
    out += "BM";
    put32(out, kDataOffset + imageBytes);
    put32(out, 0);
    put32(out, kDataOffset);
    put32(out, kInfoHeaderBytes);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);  // planes
    put16(out, 1);  // bits per pixel
    put32(out, 0);  // no compression
    put32(out, imageBytes);
    put32(out, 0);  // resolution: none given
    put32(out, 0);
    put32(out, 0);  // every colour of the table is used
    put32(out, 0);
    put32(out, 0x00000000);  // index 0: black
    put32(out, 0x00FFFFFF);  // index 1: white

    // The register prints a 1 bit black, while the bitmap's 1 is the table's white: the bits
    // are turned over. A bitmap with a positive height lists its bottom line first.
    for (int row = height - 1; row >= 0; --row) {
        const size_t at = kLogoHeaderBytes + rowBytes * static_cast<size_t>(row);
        for (size_t i = 0; i < rowBytes; ++i) {
            out += static_cast<char>(~static_cast<unsigned char>(logoFile[at + i]));
        }
        out.append(paddedRow - rowBytes, '\0');
    }
    return out;
}

}  // namespace tk73ops
