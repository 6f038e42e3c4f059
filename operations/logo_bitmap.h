#pragma once
// A graphic logo as a Windows bitmap: the converter's logo program file (a 191-byte header, then
// one row of width / 8 bytes per dot line, leftmost dot in the highest bit, 1 = black) written
// as a 1-bit-per-pixel bitmap that any image program opens. The shell extracts the logos of an
// opened archive with it, and the logo editor shows them the same way.

#include <optional>
#include <string>

namespace tk73ops {

// The header that the converter puts before a logo's rows.
inline constexpr size_t kLogoHeaderBytes = 191;

// The bitmap file of the logo program file's bytes for a logo of width x height dots (width a
// multiple of 8): file header "BM", a 40-byte information header, a colour table of black then
// white, rows bottom-up padded to 4 bytes, each dot as black or white as the register prints it.
// Nothing when the width or height is not positive, the width is no multiple of 8 or the file
// does not hold exactly the header and the rows.
std::optional<std::string> LogoBitmapFromProgramFile(const std::string& logoFile, int width,
                                                     int height);

}  // namespace tk73ops
