#include "outside/logoconv/windows_bitmap.h"

#include <cstdlib>

namespace logoconv {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderMin = 40;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;  // 32-bit bitmaps often say so with the usual masks
// No logo is larger than this; a bigger header is a damaged file, not a picture.
constexpr int32_t kMaxSide = 16384;

uint32_t little(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

uint8_t luminance(int red, int green, int blue) {
    return static_cast<uint8_t>((red * 299 + green * 587 + blue * 114) / 1000);
}

}  // namespace

std::optional<GreyImage> readWindowsBitmap(const std::string& bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderMin || bytes.compare(0, 2, "BM") != 0) {
        return std::nullopt;
    }
    const uint32_t dataOffset = little(bytes, 10, 4);
    const uint32_t infoSize = little(bytes, 14, 4);
    const auto width = static_cast<int32_t>(little(bytes, 18, 4));
    const auto rawHeight = static_cast<int32_t>(little(bytes, 22, 4));
    const uint32_t bits = little(bytes, 28, 2);
    const uint32_t compression = little(bytes, 30, 4);
    uint32_t colours = little(bytes, 46, 4);
    const int32_t height = std::abs(rawHeight);
    const bool topDown = rawHeight < 0;
    if (infoSize < kInfoHeaderMin || width <= 0 || height <= 0 || width > kMaxSide ||
        height > kMaxSide || little(bytes, 26, 2) != 1) {
        return std::nullopt;
    }
    if (compression != kUncompressed && !(compression == kBitFields && bits == 32)) {
        return std::nullopt;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return std::nullopt;
    }
    std::vector<uint8_t> table;
    if (bits <= 8) {
        if (colours == 0 || colours > (1u << bits)) {
            colours = 1u << bits;
        }
        const size_t tableAt = kFileHeaderSize + infoSize;
        if (tableAt + colours * 4 > bytes.size()) {
            return std::nullopt;
        }
        for (uint32_t i = 0; i < colours; ++i) {
            const size_t at = tableAt + i * 4;  // blue, green, red, reserved
            table.push_back(luminance(static_cast<unsigned char>(bytes[at + 2]),
                                      static_cast<unsigned char>(bytes[at + 1]),
                                      static_cast<unsigned char>(bytes[at])));
        }
    }
    const size_t rowSize = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    if (dataOffset > bytes.size() || bytes.size() - dataOffset < rowSize * height) {
        return std::nullopt;
    }
    GreyImage image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const size_t row = dataOffset + rowSize * static_cast<size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint8_t level = 0;
            if (bits <= 8) {
                const size_t bit = static_cast<size_t>(x) * bits;
                const auto byte = static_cast<unsigned char>(bytes[row + bit / 8]);
                const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= table.size()) {
                    return std::nullopt;
                }
                level = table[index];
            } else {
                const size_t at = row + static_cast<size_t>(x) * (bits / 8);
                level = luminance(static_cast<unsigned char>(bytes[at + 2]),
                                  static_cast<unsigned char>(bytes[at + 1]),
                                  static_cast<unsigned char>(bytes[at]));
            }
            image.levels[static_cast<size_t>(y) * width + x] = level;
        }
    }
    return image;
}

}  // namespace logoconv
