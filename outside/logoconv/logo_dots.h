#pragma once
// How a picture becomes the dots of a logo: scaled to fit the logo's width and height with its
// proportions kept, centred on white, then turned black and white either by a threshold (a level
// below it prints) or by error-diffusion dithering, which keeps the shades of a photograph.

#include <string>

#include "outside/logoconv/windows_bitmap.h"

namespace logoconv {

enum class DotRule { Threshold, Dither };

struct DotSettings {
    DotRule rule = DotRule::Threshold;
    int threshold = 128;  // 1 to 255
};

// The rows of the logo: height rows of width / 8 bytes, leftmost dot in the highest bit,
// 1 = black. The width is a multiple of 8.
std::string logoRows(const GreyImage& picture, int width, int height, const DotSettings& settings);

}  // namespace logoconv
