#include "outside/glconv/program_binary.h"

#include <zlib.h>

#include <algorithm>
#include <string_view>

#include "outside/glconv/binary_header.h"
#include "outside/glconv/little_endian.h"
#include "outside/glconv/result_codes.h"
#include "outside/glconv/text_lines.h"

namespace glconv {

namespace {

constexpr HeaderLayout kLayout{{"GLCVPGM\x1A", 8}, 8, 1, kMachineIdOffset, kProgramHeaderCrcOffset};
constexpr size_t kFileNoOffset = 10;
constexpr size_t kRmCodeOffset = 12;
constexpr size_t kRmCodeSize = 11;
constexpr size_t kTextLengthOffset = 24;
// Deflate packs at most 1032 bytes into one, so a longer text than that many times the body is a
// damaged or made-up header: refused before room is set aside for it.
constexpr uint64_t kMaxInflation = 1032;
// The body unpacks this much at a time: the text grows with what really comes out of it, never
// to what the header claims before that has come.
constexpr size_t kInflateStep = 256 * 1024;

// Inflates the body into text, which must come to exactly size bytes; false for anything else.
bool inflateBody(const char* body, size_t bodySize, uint32_t size, std::string& text) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return false;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body));
    stream.avail_in = static_cast<uInt>(bodySize);
    std::string out;
    int status = Z_OK;
    while (status == Z_OK && out.size() <= size) {
        // One byte more than is left, so that a body holding more than announced shows.
        const size_t step = std::min<size_t>(kInflateStep, size - out.size() + 1);
        const size_t at = out.size();
        out.resize(at + step);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + at);
        stream.avail_out = static_cast<uInt>(step);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(at + step - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_out != 0) {
            break;  // the body ends before its stream does
        }
        if (status == Z_BUF_ERROR) {
            status = Z_OK;
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END || out.size() != size || stream.avail_in != 0) {
        return false;
    }
    text = std::move(out);
    return true;
}

// The model's code from the header line: its second quoted field.
std::string rmCodeOf(std::string_view headerLine) {
    const size_t open = headerLine.find('"', 4);
    const size_t close = open == std::string_view::npos ? open : headerLine.find('"', open + 1);
    if (close == std::string_view::npos) {
        return {};
    }
    return std::string(headerLine.substr(open + 1, std::min(close - open - 1, kRmCodeSize)));
}

}  // namespace

bool isProgramBinary(const std::string& bytes) {
    return hasMagic(bytes, kLayout.magic);
}

size_t programBinaryLength(const std::string& header) {
    return kProgramHeaderSize + getLittleEndian(header, kProgramBodyLengthOffset, 4);
}

int encodeProgramBinary(const std::string& text, int machineId, std::string& binary) {
    TextLines lines(text);
    std::string_view title;
    std::string_view header;
    if (!lines.next(title) || !lines.next(header) || text.size() > kMaxProgramText) {
        return kIllegalFormat;
    }
    const int fileNo = titleLineFileNo(title);
    if (fileNo < 0 || (header.substr(0, 4) != "\"H\"," && header.substr(0, 4) != "\"h\",")) {
        return kIllegalFormat;
    }
    uLongf bodySize = compressBound(static_cast<uLong>(text.size()));
    std::string body(bodySize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(body.data()), &bodySize,
                  reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK) {
        return kCannotConvert;
    }
    body.resize(bodySize);
    binary.assign(kProgramHeaderSize, '\0');
    putLittleEndian(binary, kFileNoOffset, static_cast<uint32_t>(fileNo), 2);
    const std::string rmCode = rmCodeOf(header);
    binary.replace(kRmCodeOffset, rmCode.size(), rmCode);
    putLittleEndian(binary, kTextLengthOffset, static_cast<uint32_t>(text.size()), 4);
    putLittleEndian(binary, kProgramBodyLengthOffset, static_cast<uint32_t>(body.size()), 4);
    putLittleEndian(binary, kProgramBodyCrcOffset, crcOf(body.data(), body.size()), 4);
    sealHeader(binary, kLayout, machineId);
    binary += body;
    return kNormalEnd;
}

int decodeProgramBinary(const std::string& binary, int machineId, std::string& text) {
    if (binary.size() < kProgramHeaderSize) {
        return isProgramBinary(binary) || binary.size() < kLayout.magic.size() ? kAbruptEnd
                                                                               : kIllegalFormat;
    }
    if (const int checked = checkHeader(binary, kLayout, machineId); checked != kNormalEnd) {
        return checked;
    }
    const size_t bodySize = getLittleEndian(binary, kProgramBodyLengthOffset, 4);
    const uint32_t textSize = getLittleEndian(binary, kTextLengthOffset, 4);
    if (binary.size() - kProgramHeaderSize < bodySize) {
        return kAbruptEnd;
    }
    const char* body = binary.data() + kProgramHeaderSize;
    if (getLittleEndian(binary, kProgramBodyCrcOffset, 4) != crcOf(body, bodySize) ||
        textSize > kMaxProgramText || textSize > bodySize * kMaxInflation ||
        !inflateBody(body, bodySize, textSize, text)) {
        return kCannotConvert;
    }
    return kNormalEnd;
}

}  // namespace glconv
