#pragma once
// A Windows bitmap file read into grey levels: uncompressed 1, 4, 8, 24 and 32 bits per pixel,
// rows stored bottom-up (positive height) or top-down (negative height). Colours go through the
// colour table where there is one; each pixel becomes its luminance, 0 black to 255 white.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace logoconv {

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> levels;  // row by row from the top, width levels each

    uint8_t at(int x, int y) const { return levels[static_cast<size_t>(y) * width + x]; }
};

// Nothing when the bytes are no bitmap of a kind above, or are cut short.
std::optional<GreyImage> readWindowsBitmap(const std::string& bytes);

}  // namespace logoconv
