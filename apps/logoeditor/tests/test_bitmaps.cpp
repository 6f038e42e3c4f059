#include "apps/logoeditor/tests/test_bitmaps.h"

#include <QImage>

#include <cstdint>
#include <sstream>
#include <vector>

namespace tk73logotest {

namespace {

void put(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

}  // namespace

std::string windowsBitmap(int width, int height, int bits, bool topDown, const Picture& picture) {
    std::vector<int> table;  // grey levels
    if (bits <= 8) {
        const int entries = 1 << bits;
        table.push_back(0);
        table.push_back(255);
        for (int i = 2; i < entries; ++i) {
            table.push_back(255 * (i - 1) / (entries - 1));
        }
    }
    const int rowSize = (width * bits + 31) / 32 * 4;
    const int offset = 54 + static_cast<int>(table.size()) * 4;
    std::string bytes = "BM";
    put(bytes, static_cast<uint32_t>(offset + rowSize * height), 4);
    put(bytes, 0, 4);
    put(bytes, static_cast<uint32_t>(offset), 4);
    put(bytes, 40, 4);
    put(bytes, static_cast<uint32_t>(width), 4);
    put(bytes, static_cast<uint32_t>(topDown ? -height : height), 4);
    put(bytes, 1, 2);
    put(bytes, static_cast<uint32_t>(bits), 2);
    put(bytes, 0, 4);
    put(bytes, static_cast<uint32_t>(rowSize * height), 4);
    put(bytes, 2835, 4);
    put(bytes, 2835, 4);
    put(bytes, static_cast<uint32_t>(table.size()), 4);
    put(bytes, 0, 4);
    for (int level : table) {
        put(bytes, static_cast<uint32_t>(level * 0x010101), 4);
    }
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        std::string line(static_cast<size_t>(rowSize), '\0');
        for (int x = 0; x < width; ++x) {
            const QColor colour = picture(x, y);
            if (bits >= 24) {
                const size_t at = static_cast<size_t>(x) * (bits / 8);
                line[at] = static_cast<char>(colour.blue());
                line[at + 1] = static_cast<char>(colour.green());
                line[at + 2] = static_cast<char>(colour.red());
                continue;
            }
            int best = 0;
            for (size_t i = 1; i < table.size(); ++i) {
                if (std::abs(table[i] - qGray(colour.rgb())) <
                    std::abs(table[static_cast<size_t>(best)] - qGray(colour.rgb()))) {
                    best = static_cast<int>(i);
                }
            }
            const int bit = x * bits;
            line[static_cast<size_t>(bit / 8)] |= static_cast<char>(best << (8 - bits - bit % 8));
        }
        bytes += line;
    }
    return bytes;
}

std::string dotsOfBitmap(const std::string& bitmap) {
    const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bitmap.data()),
                                          static_cast<int>(bitmap.size()), "BMP");
    std::string dots;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dots += qGray(image.pixel(x, y)) < 128 ? '1' : '0';
        }
        dots += '\n';
    }
    return dots;
}

std::string dotsOfText(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::string dots;
    for (int heading = 0; heading < 3 && std::getline(lines, line);) {
        ++heading;
    }
    while (std::getline(lines, line)) {
        const size_t open = line.find('"');
        const size_t close = line.rfind('"');
        for (size_t i = open + 1; i < close; ++i) {
            const int value = std::stoi(line.substr(i, 1), nullptr, 16);
            for (int bit = 3; bit >= 0; --bit) {
                dots += (value >> bit & 1) != 0 ? '1' : '0';
            }
        }
        dots += '\n';
    }
    return dots;
}

}  // namespace tk73logotest
