#pragma once
// A text program file split into its header lines and record lines, with the checks of the
// shipped format: three header lines of 130 bytes together (title line, header line with the
// two-digit version at offset 45, file line naming the file), then records numbered from 1 in
// one width, all lines of one length ending in CR LF, the last line carrying the record count.

#include <string>
#include <string_view>
#include <vector>

namespace tk73tools {

inline constexpr size_t kHeaderBlockLength = 130;
inline constexpr size_t kVersionOffset = 45;

struct ProgramText {
    std::string bytes;
    std::vector<std::string_view> headerLines;  // without CR LF
    std::vector<std::string_view> records;      // without CR LF
    int numberWidth = 0;

    // The two version digits of the header line; empty when there is none.
    std::string version() const;
};

// Reads and splits the file; false with a description of the first fault.
bool readProgramText(const std::string& path, ProgramText& text, std::string& fault);

// The format checks of the header lines for file number fileNo; empty when they hold.
std::string headerFault(const ProgramText& text, int fileNo);

}  // namespace tk73tools
