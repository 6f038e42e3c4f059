#pragma once
// The logo program file: a 191-byte header, then the dot rows (width / 8 bytes each, the
// leftmost dot in the most significant bit, 1 = black) and nothing after them, which is what the
// shell and the logo editor read. The layout is in the README of this folder.

#include <string>

namespace glconv {

inline constexpr size_t kLogoHeaderSize = 191;
// Where the dot rows' CRC-32 and the header's own CRC-32 lie in the header.
inline constexpr size_t kLogoRowsCrcOffset = 18;
inline constexpr size_t kLogoHeaderCrcOffset = 187;

// The binary form of a logo text program file; 0 or a result code.
[[nodiscard]] int encodeLogoBinary(const std::string& text, int machineId, std::string& binary);
// The text program file of a logo program file made for the machine; 0 or a result code.
[[nodiscard]] int decodeLogoBinary(const std::string& binary, int machineId, std::string& text);

[[nodiscard]] bool isLogoBinary(const std::string& bytes);
// The length of the logo file that a whole header describes: the header and its dot rows.
size_t logoBinaryLength(const std::string& header);

}  // namespace glconv
