// Arbitrary bytes into the converter's binary program and logo file readers, as they are and with
// their checksums made right (so that mutations get past the CRCs to the body and the sizes),
// and as text into its writers. What the converter writes it reads back: a text program file or
// pack text comes back byte for byte, a logo text as the text it stands for, whose binary form is
// the same binary again; and whatever text a binary file gives, once written again, reads back as
// that text.

#include <algorithm>
#include <cstdint>
#include <string>

#include "outside/glconv/binary_header.h"
#include "outside/glconv/little_endian.h"
#include "outside/glconv/logo_binary.h"
#include "outside/glconv/program_binary.h"
#include "outside/glconv/result_codes.h"

namespace {

constexpr int kMachineId = 49;

void putCrc(std::string& bytes, size_t at, size_t from, size_t size) {
    glconv::putLittleEndian(bytes, at, glconv::crcOf(bytes.data() + from, size), 4);
}

// The bytes with the CRCs of their header and body as a writer would have set them.
std::string withRightChecksums(std::string bytes) {
    if (glconv::isProgramBinary(bytes) && bytes.size() >= glconv::kProgramHeaderSize) {
        const size_t room = bytes.size() - glconv::kProgramHeaderSize;
        const size_t body = std::min<size_t>(
            glconv::getLittleEndian(bytes, glconv::kProgramBodyLengthOffset, 4), room);
        glconv::putLittleEndian(bytes, glconv::kProgramBodyLengthOffset,
                                static_cast<uint32_t>(body), 4);
        putCrc(bytes, glconv::kProgramBodyCrcOffset, glconv::kProgramHeaderSize, body);
        putCrc(bytes, glconv::kProgramHeaderCrcOffset, 0, glconv::kProgramHeaderCrcOffset);
    } else if (glconv::isLogoBinary(bytes) && bytes.size() >= glconv::kLogoHeaderSize) {
        putCrc(bytes, glconv::kLogoRowsCrcOffset, glconv::kLogoHeaderSize,
               bytes.size() - glconv::kLogoHeaderSize);
        putCrc(bytes, glconv::kLogoHeaderCrcOffset, 0, glconv::kLogoHeaderCrcOffset);
    }
    return bytes;
}

using Encode = int (*)(const std::string&, int, std::string&);
using Decode = int (*)(const std::string&, int, std::string&);

// A text read from a binary file must survive being written and read again.
void checkRewrite(const std::string& binary, Encode encode, Decode decode) {
    std::string text;
    if (decode(binary, kMachineId, text) != glconv::kNormalEnd) {
        return;
    }
    std::string again;
    std::string reread;
    if (encode(text, kMachineId, again) == glconv::kNormalEnd &&
        (decode(again, kMachineId, reread) != glconv::kNormalEnd || reread != text)) {
        __builtin_trap();
    }
}

void checkBinary(const std::string& bytes) {
    checkRewrite(bytes, glconv::encodeProgramBinary, glconv::decodeProgramBinary);
    checkRewrite(bytes, glconv::encodeLogoBinary, glconv::decodeLogoBinary);
}

void checkText(const std::string& text) {
    std::string binary;
    std::string reread;
    if (glconv::encodeProgramBinary(text, kMachineId, binary) == glconv::kNormalEnd) {
        // An archive carries more behind the program file, which is not the file's own.
        if (glconv::decodeProgramBinary(binary + text, kMachineId, reread) != glconv::kNormalEnd ||
            reread != text) {
            __builtin_trap();
        }
    }
    if (glconv::encodeLogoBinary(text, kMachineId, binary) == glconv::kNormalEnd) {
        std::string again;
        if (glconv::decodeLogoBinary(binary, kMachineId, reread) != glconv::kNormalEnd ||
            glconv::encodeLogoBinary(reread, kMachineId, again) != glconv::kNormalEnd ||
            again != binary) {
            __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkBinary(bytes);
    checkBinary(withRightChecksums(bytes));
    checkText(bytes);
    return 0;
}
