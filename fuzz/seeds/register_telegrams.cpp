#include "fuzz/seeds/register_telegrams.h"

#include <algorithm>
#include <cstdio>

#include "network/telegram_header.h"

namespace tk73seeds {

namespace {

constexpr uint8_t kSubKindIdentify = 1;

std::string littleEndian32(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    }
    return bytes;
}

// An authentication step's data: two 0xFF, the step, then the step's own fields.
std::string step(uint8_t number, size_t length) {
    std::string data(length, '\0');
    data[0] = data[1] = '\xFF';
    data[2] = static_cast<char>(number);
    return data;
}

}  // namespace

std::string fileId(int fileNo) {
    char id[16] = {};
    std::snprintf(id, sizeof id, "%06d", fileNo);
    return id;
}

int blocksOf(const std::string& file, size_t blockSize) {
    return std::max<int>(1, static_cast<int>((file.size() + blockSize - 1) / blockSize));
}

std::string RegisterTelegrams::header(uint16_t type, uint8_t subKind, uint16_t block, bool more,
                                      uint32_t length) const {
    uint8_t header[tk73net::kHeaderSize] = {1, 0};
    tk73net::setHeaderType(header, type);
    header[5] = more ? tk73net::kFlagContinuation : 0;
    header[6] = subKind;
    tk73net::setHeaderDataLength(header, length);
    tk73net::setHeaderBlock(header, block);
    header[14] = tk73net::kResultOk;
    header[15] = tk73net::headerCheckByte(header);
    return std::string(reinterpret_cast<const char*>(header), sizeof header);
}

RegisterTelegrams& RegisterTelegrams::add(uint16_t type, uint8_t subKind, uint16_t block, bool more,
                                          const std::string& data) {
    bytes_ += header(type, subKind, block, more, static_cast<uint32_t>(data.size())) + data;
    return *this;
}

RegisterTelegrams& RegisterTelegrams::addDamaged(uint16_t type, const std::string& data, int at,
                                                 uint8_t value, bool rightCheckByte) {
    std::string head = header(type, kSubKindIdentify, 1, false, static_cast<uint32_t>(data.size()));
    head[static_cast<size_t>(at)] = static_cast<char>(value);
    if (rightCheckByte) {
        head[15] =
            static_cast<char>(tk73net::headerCheckByte(reinterpret_cast<uint8_t*>(&head[0])));
    }
    bytes_ += head + data;
    return *this;
}

RegisterTelegrams& RegisterTelegrams::announce(uint16_t type, uint16_t block, uint32_t length) {
    bytes_ += header(type, kSubKindIdentify, block, false, length);
    return *this;
}

RegisterTelegrams& RegisterTelegrams::raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
}

RegisterTelegrams& RegisterTelegrams::authenticate(const std::string& password) {
    std::string identify = step(1, 32);
    identify.replace(8, 13, "KR3010REG0001");
    std::string exchange = step(4, 16);
    exchange.replace(8, 8, "\x12\x34\x56\x78\x9A\xBC\xDE\xF0");
    std::string signIn = step(5, 32);
    signIn.replace(24, password.size(), password);
    add(tk73net::kTypeAuthentication, kSubKindIdentify, 0, false, identify);
    add(tk73net::kTypeAuthentication, kSubKindIdentify, 0, false, exchange);
    return add(tk73net::kTypeAuthentication, kSubKindIdentify, 0, false, signIn);
}

RegisterTelegrams& RegisterTelegrams::askForWork(bool busy) {
    return add(tk73net::kTypeWorkRequest, kSubKindIdentify, 0, false,
               std::string(1, busy ? '\x01' : '\0'));
}

RegisterTelegrams& RegisterTelegrams::sendFile(int fileNo, const std::string& file,
                                               size_t blockSize, uint32_t announcedSize) {
    const int blocks = blocksOf(file, blockSize);
    const std::string head =
        littleEndian32(announcedSize != 0 ? announcedSize : static_cast<uint32_t>(file.size())) +
        fileId(fileNo) + "0 ";
    for (int block = 1; block <= blocks; ++block) {
        const std::string part = file.substr(static_cast<size_t>(block - 1) * blockSize, blockSize);
        add(tk73net::kTypeRegisterSends, kSubKindIdentify, static_cast<uint16_t>(block),
            block < blocks, head + part);
    }
    return *this;
}

RegisterTelegrams& RegisterTelegrams::fetchFile(int fileNo, int first, int last) {
    for (int block = first; block <= last; ++block) {
        add(tk73net::kTypePcSends, kSubKindIdentify, static_cast<uint16_t>(block), false,
            fileId(fileNo) + "0 ");
    }
    return *this;
}

}  // namespace tk73seeds
