// Whole-file operations on archives: appending the controller's part, cutting an archive, and
// the machine ID byte.

#include <cstdio>
#include <fstream>

#include "archive/pack_archive.h"

namespace {

constexpr size_t kBlock = 1024;
constexpr long kMachineIdBlock = 256;
constexpr size_t kMachineIdInBlock = 123;  // offset 379 of the file
constexpr size_t kMachineIdBlockSize = 128;
// The converter's header block, and where in it the length of the body that follows it is kept
// (little-endian, outside/glconv/README.md).
constexpr size_t kBinaryHeader = 384;
constexpr size_t kBodyLengthAt = 28;

}  // namespace

int CTK73packArchive::AppendFile(const char* target, const char* source) {
    if (target == nullptr || source == nullptr) {
        return 0;
    }
    std::ifstream in(source, std::ios::binary);
    std::fstream out(target, std::ios::binary | std::ios::in | std::ios::out);
    if (!in || !out) {
        return 0;
    }
    out.seekp(0, std::ios::end);
    char block[kBlock];
    while (in.read(block, kBlock) || in.gcount() > 0) {
        if (!out.write(block, in.gcount())) {
            return 0;
        }
    }
    return out.flush() ? 1 : 0;
}

int CTK73packArchive::DivFileFromTop(const char* source, unsigned long length, const char* target) {
    if (source == nullptr || target == nullptr) {
        return 0;
    }
    std::ifstream in(source, std::ios::binary);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!in || !out) {
        return 0;
    }
    char block[kBlock];
    for (unsigned long left = length; left > 0;) {
        const auto wanted = static_cast<std::streamsize>(std::min<unsigned long>(left, kBlock));
        in.read(block, wanted);
        if (in.gcount() == 0 || !out.write(block, in.gcount())) {
            return 0;
        }
        left -= static_cast<unsigned long>(in.gcount());
    }
    return out.flush() ? 1 : 0;
}

// The controller's part of an archive is never split off (see GetDivIDRecOffset).
int CTK73packArchive::DivFileFromNext(const char* source, unsigned long offset,
                                      const char* target) {
    return 0;
}

// Archives carry no division record: the register's part knows its own end, and the
// controller's part follows it directly.
int CTK73packArchive::AppendDivIDRec(const char* crpPath, uint8_t idCode) {
    return 1;
}

unsigned long CTK73packArchive::GetDivIDRecOffset(const char* crpPath) {
    return 0;
}

unsigned long CTK73packArchive::AnalyzeDivIDRecOffset(const char* crpPath, uint8_t machineId) {
    return 0;
}

int CTK73packArchive::GetNextMacID(const char* crpPath, uint8_t* machineId) {
    if (machineId != nullptr) {
        *machineId = 0;
    }
    std::FILE* file = crpPath != nullptr ? std::fopen(crpPath, "rb") : nullptr;
    if (file == nullptr) {
        return 0;
    }
    unsigned char block[kMachineIdBlockSize];
    // A file needs the machine ID byte itself; the rest of the block may be missing.
    const bool read = std::fseek(file, kMachineIdBlock, SEEK_SET) == 0 &&
                      std::fread(block, 1, sizeof block, file) > kMachineIdInBlock;
    std::fclose(file);
    if (!read) {
        return 0;
    }
    if (machineId != nullptr) {
        *machineId = block[kMachineIdInBlock];
    }
    return 1;
}

unsigned long CTK73packArchive::GetPartLength(const char* path) {
    std::ifstream in(path != nullptr ? path : "", std::ios::binary);
    unsigned char header[kBinaryHeader];
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) {
        return 0;
    }
    unsigned long body = 0;
    for (size_t at = kBodyLengthAt + 4; at > kBodyLengthAt; --at) {
        body = (body << 8) | header[at - 1];
    }
    return kBinaryHeader + body;
}
