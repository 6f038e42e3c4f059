#pragma once
// The binary program file: a 384-byte header block, then the text compressed with zlib. The
// layout is in the README of this folder.

#include <string>

namespace glconv {

inline constexpr size_t kProgramHeaderSize = 384;
inline constexpr size_t kMachineIdOffset = 379;
// Where the body's length, the body's CRC-32 and the header's own CRC-32 lie in the header.
inline constexpr size_t kProgramBodyLengthOffset = 28;
inline constexpr size_t kProgramBodyCrcOffset = 32;
inline constexpr size_t kProgramHeaderCrcOffset = 380;
// The longest text a binary program file holds. A register's files are far smaller (99,999 PLU
// records take some 14 MB), and the model's definition gives no record count to bound them by:
// a text beyond this is refused either way, and no body is unpacked to more.
inline constexpr uint32_t kMaxProgramText = 64u << 20;
// The longest body of such a text: zlib's bound of its compressed size.
inline constexpr size_t kMaxProgramBody = kMaxProgramText + (kMaxProgramText >> 12) +
                                          (kMaxProgramText >> 14) + (kMaxProgramText >> 25) + 13;

// Builds the binary form of a text program file or pack text; 0 or a result code (a text that
// is neither).
[[nodiscard]] int encodeProgramBinary(const std::string& text, int machineId, std::string& binary);

// The text of a binary program file made for the machine. Bytes after the file's own end are
// not its own (an archive carries the controller's part there) and are left alone. 0 or a result
// code; text is only filled when the whole file checked out. The body is unpacked a piece at a
// time and never to more than the header announces, which is at most kMaxProgramText.
[[nodiscard]] int decodeProgramBinary(const std::string& binary, int machineId, std::string& text);

// True when the bytes begin like a binary program file.
[[nodiscard]] bool isProgramBinary(const std::string& bytes);
// The length of the binary program file that a whole header describes: the header and its body.
size_t programBinaryLength(const std::string& header);

}  // namespace glconv
