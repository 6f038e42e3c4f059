#pragma once
// Windows bitmaps the tests write themselves, in every layout the logo conversion reads, and the
// dots of a logo as the tests compare them: one text line per dot row, '1' for black.

#include <QColor>

#include <functional>
#include <string>

namespace tk73logotest {

using Picture = std::function<QColor(int x, int y)>;

// A bitmap file of 1, 4, 8, 24 or 32 bits per pixel, rows bottom-up or top-down. The colour table
// of 1, 4 and 8 bits holds black and white first, then greys; each pixel takes the nearest entry.
std::string windowsBitmap(int width, int height, int bits, bool topDown, const Picture& picture);

// The dots of a bitmap file as Qt reads it; empty when Qt cannot read it.
std::string dotsOfBitmap(const std::string& bitmap);
// The dots of a logo text program file: its records after the three heading lines.
std::string dotsOfText(const std::string& text);

}  // namespace tk73logotest
