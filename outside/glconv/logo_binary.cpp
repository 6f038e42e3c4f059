#include "outside/glconv/logo_binary.h"

#include <cstdio>
#include <string_view>

#include "outside/glconv/binary_header.h"
#include "outside/glconv/little_endian.h"
#include "outside/glconv/result_codes.h"
#include "outside/glconv/text_lines.h"

namespace glconv {

namespace {

constexpr size_t kFileNoOffset = 10;
constexpr size_t kWidthOffset = 12;
constexpr size_t kHeightOffset = 14;
constexpr size_t kNumberWidthOffset = 16;
constexpr size_t kMachineIdOffset = 17;
constexpr size_t kHeaderLineOffset = 22;  // a length byte, then up to kLineRoom bytes
constexpr size_t kFileLineOffset = 103;
constexpr size_t kLineRoom = 80;
constexpr HeaderLayout kLayout{{"GLCVLOGO", 8}, 8, 1, kMachineIdOffset, kLogoHeaderCrcOffset};
constexpr uint32_t kMaxDots = 0xFFFF;

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

bool putLine(std::string& binary, size_t offset, std::string_view line) {
    if (line.size() > kLineRoom) {
        return false;
    }
    binary[offset] = static_cast<char>(line.size());
    binary.replace(offset + 1, line.size(), line);
    return true;
}

std::string storedLine(const std::string& binary, size_t offset) {
    const size_t size = std::min<size_t>(static_cast<unsigned char>(binary[offset]), kLineRoom);
    return binary.substr(offset + 1, size);
}

// One record line "NNNNN,"HEX...HEX"": its row of bytes appended to rows; false when the line
// is not the record expected, with the digits of the first line setting the widths.
bool appendRow(std::string_view line, int record, size_t& numberWidth, size_t& hexDigits,
               std::string& rows) {
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos || comma < 4 || comma > 6 ||
        (numberWidth != 0 && comma != numberWidth)) {
        return false;
    }
    int number = 0;
    for (char c : line.substr(0, comma)) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + (c - '0');
    }
    const std::string_view hex = line.substr(comma + 1);
    if (number != record || hex.size() < 4 || hex.front() != '"' || hex.back() != '"') {
        return false;
    }
    const std::string_view digits = hex.substr(1, hex.size() - 2);
    if (digits.empty() || digits.size() % 2 != 0 ||
        (hexDigits != 0 && digits.size() != hexDigits)) {
        return false;
    }
    numberWidth = comma;
    hexDigits = digits.size();
    for (size_t i = 0; i < digits.size(); i += 2) {
        const int high = hexValue(digits[i]);
        const int low = hexValue(digits[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        rows += static_cast<char>(high * 16 + low);
    }
    return true;
}

}  // namespace

bool isLogoBinary(const std::string& bytes) {
    return hasMagic(bytes, kLayout.magic);
}

int encodeLogoBinary(const std::string& text, int machineId, std::string& binary) {
    TextLines lines(text);
    std::string_view title;
    std::string_view header;
    std::string_view fileLine;
    if (!lines.next(title) || !lines.next(header) || !lines.next(fileLine)) {
        return kIllegalFormat;
    }
    const int fileNo = titleLineFileNo(title);
    std::string out(kLogoHeaderSize, '\0');
    if (fileNo < 0 || !putLine(out, kHeaderLineOffset, header) ||
        !putLine(out, kFileLineOffset, fileLine)) {
        return kIllegalFormat;
    }
    std::string rows;
    size_t numberWidth = 0;
    size_t hexDigits = 0;
    int height = 0;
    std::string_view line;
    while (lines.next(line)) {
        if (!lines.endedWithCrLf() || !appendRow(line, height + 1, numberWidth, hexDigits, rows)) {
            return kIllegalFormat;
        }
        ++height;
    }
    if (height == 0 || hexDigits * 4 > kMaxDots || static_cast<uint32_t>(height) > kMaxDots) {
        return kIllegalFormat;
    }
    putLittleEndian(out, kFileNoOffset, static_cast<uint32_t>(fileNo), 2);
    putLittleEndian(out, kWidthOffset, static_cast<uint32_t>(hexDigits * 4), 2);
    putLittleEndian(out, kHeightOffset, static_cast<uint32_t>(height), 2);
    out[kNumberWidthOffset] = static_cast<char>(numberWidth);
    putLittleEndian(out, kLogoRowsCrcOffset, crcOf(rows.data(), rows.size()), 4);
    sealHeader(out, kLayout, machineId);
    binary = out + rows;
    return kNormalEnd;
}

size_t logoBinaryLength(const std::string& header) {
    return kLogoHeaderSize +
           getLittleEndian(header, kWidthOffset, 2) / 8 * getLittleEndian(header, kHeightOffset, 2);
}

int decodeLogoBinary(const std::string& binary, int machineId, std::string& text) {
    if (binary.size() < kLogoHeaderSize) {
        return kAbruptEnd;
    }
    if (const int checked = checkHeader(binary, kLayout, machineId); checked != kNormalEnd) {
        return checked;
    }
    const size_t rowBytes = getLittleEndian(binary, kWidthOffset, 2) / 8;
    const size_t height = getLittleEndian(binary, kHeightOffset, 2);
    const int numberWidth = static_cast<unsigned char>(binary[kNumberWidthOffset]);
    if (binary.size() < kLogoHeaderSize + rowBytes * height) {
        return kAbruptEnd;
    }
    if (binary.size() > kLogoHeaderSize + rowBytes * height || numberWidth < 4 || numberWidth > 6) {
        return kIllegalFormat;
    }
    const char* rows = binary.data() + kLogoHeaderSize;
    if (getLittleEndian(binary, kLogoRowsCrcOffset, 4) != crcOf(rows, rowBytes * height)) {
        return kCannotConvert;
    }
    // The writer stores single lines; one holding a line feed would read back as other lines.
    const std::string header = storedLine(binary, kHeaderLineOffset);
    const std::string fileLine = storedLine(binary, kFileLineOffset);
    if (header.find('\n') != std::string::npos || fileLine.find('\n') != std::string::npos) {
        return kIllegalFormat;
    }
    std::string out = titleLine(static_cast<int>(getLittleEndian(binary, kFileNoOffset, 2)));
    out += header + "\r\n";
    out += fileLine + "\r\n";
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (size_t row = 0; row < height; ++row) {
        const std::string number = std::to_string(row + 1);
        const auto width = static_cast<size_t>(numberWidth);
        out.append(number.size() < width ? width - number.size() : 0, '0');
        out += number;
        out += ",\"";
        for (size_t i = 0; i < rowBytes; ++i) {
            const auto byte = static_cast<unsigned char>(rows[row * rowBytes + i]);
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0x0F];
        }
        out += "\"\r\n";
    }
    text = std::move(out);
    return kNormalEnd;
}

}  // namespace glconv
