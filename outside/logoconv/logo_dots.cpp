#include "outside/logoconv/logo_dots.h"

#include <algorithm>
#include <vector>

namespace logoconv {

namespace {

constexpr int kWhite = 255;

// The picture scaled into the logo's box and centred; the rest of the box is white. Each dot
// takes the level of the picture's pixel under its centre.
std::vector<int> fitted(const GreyImage& picture, int width, int height) {
    std::vector<int> levels(static_cast<size_t>(width) * height, kWhite);
    // The scale that fits both sides, as a fraction scaledWidth / picture.width.
    const bool byWidth = static_cast<long long>(width) * picture.height <=
                         static_cast<long long>(height) * picture.width;
    const int scaledWidth =
        byWidth ? width
                : std::max(1, static_cast<int>(static_cast<long long>(picture.width) * height /
                                               picture.height));
    const int scaledHeight =
        byWidth ? std::max(1, static_cast<int>(static_cast<long long>(picture.height) * width /
                                               picture.width))
                : height;
    const int left = (width - scaledWidth) / 2;
    const int top = (height - scaledHeight) / 2;
    for (int y = 0; y < scaledHeight; ++y) {
        const int sourceY = static_cast<int>((2LL * y + 1) * picture.height / (2LL * scaledHeight));
        for (int x = 0; x < scaledWidth; ++x) {
            const int sourceX =
                static_cast<int>((2LL * x + 1) * picture.width / (2LL * scaledWidth));
            levels[static_cast<size_t>(top + y) * width + left + x] = picture.at(sourceX, sourceY);
        }
    }
    return levels;
}

void setDot(std::string& rows, int width, int x, int y) {
    rows[static_cast<size_t>(y) * (width / 8) + x / 8] |= static_cast<char>(0x80 >> (x % 8));
}

}  // namespace

std::string logoRows(const GreyImage& picture, int width, int height, const DotSettings& settings) {
    std::vector<int> levels = fitted(picture, width, height);
    std::string rows(static_cast<size_t>(width / 8) * height, '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int level = levels[static_cast<size_t>(y) * width + x];
            const bool black =
                settings.rule == DotRule::Threshold ? level < settings.threshold : level < 128;
            if (black) {
                setDot(rows, width, x, y);
            }
            if (settings.rule != DotRule::Dither) {
                continue;
            }
            // Floyd and Steinberg: the error of this dot goes to the neighbours not yet done.
            const int error = level - (black ? 0 : kWhite);
            const auto spread = [&](int dx, int dy, int sixteenths) {
                if (x + dx >= 0 && x + dx < width && y + dy < height) {
                    levels[static_cast<size_t>(y + dy) * width + x + dx] += error * sixteenths / 16;
                }
            };
            spread(1, 0, 7);
            spread(-1, 1, 3);
            spread(0, 1, 5);
            spread(1, 1, 1);
        }
    }
    return rows;
}

}  // namespace logoconv
