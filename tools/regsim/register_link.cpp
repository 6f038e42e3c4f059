#include "tools/regsim/register_link.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <cstring>

#include "network/session_keys.h"
#include "outside/enclibdl/enclibdl.h"

namespace tk73regsim {
namespace {

uint8_t checkByte(const uint8_t* header) {
    unsigned sum = 0;
    for (int i = 0; i < 15; ++i) {
        sum += header[i];
    }
    return static_cast<uint8_t>(sum);
}

uint8_t padding(uint8_t type, size_t length) {
    const size_t unit = type >= 0xC0 && type <= 0xC2 ? 8 : (type == 0xD0 || type == 0xD1) ? 128 : 1;
    return static_cast<uint8_t>((unit - length % unit) % unit);
}

uint32_t le32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16) |
           static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace

RegisterLink::RegisterLink(int socket, int answerSeconds) : socket_(socket) {
    timeval wait{answerSeconds, 0};
    setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
}

bool RegisterLink::transform(const uint8_t* header, uint8_t* data, size_t length,
                             bool encrypt) const {
    const uint8_t type = header[4];
    if (type == 0x00 || length == 0) {
        return true;
    }
    if (type == 0x81 || type == 0x82 || type == 0x83) {
        const uint8_t mask = type == 0x81 ? header[15] : type == 0x82 ? header[7] : 0xFF;
        for (size_t i = 0; i < length; ++i) {
            data[i] ^= mask;
        }
        return true;
    }
    const int n = static_cast<int>(length);
    const uint8_t zeroKey[8] = {};
    if (type == 0xC0) {
        // The PC reads requests under session key 1 and answers under session key 2.
        uint8_t key[8];
        tk73net::builtInSessionKey(encrypt ? 0 : 1, key);
        return encrypt_des(data, n, key, encrypt ? 1 : 0) == 1;
    }
    // The PC never sets its DES keys 1-3 in a session: they stay zero on both ends.
    if (type == 0xC1) {
        return encrypt_des(data, n, zeroKey, encrypt ? 1 : 0) == 1;
    }
    if (type == 0xC2) {
        return encrypt_tdes(data, n, zeroKey, zeroKey, encrypt ? 1 : 0) == 1;
    }
    return false;
}

bool RegisterLink::sendRaw(const std::vector<uint8_t>& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t part =
            ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (part <= 0) {
            return false;
        }
        sent += static_cast<size_t>(part);
    }
    return true;
}

void RegisterLink::fillHeader(uint16_t type, uint8_t subKind, uint16_t block, uint32_t dataLength,
                              uint8_t padding, bool more) {
    uint8_t* header = lastRequest_;
    std::memset(header, 0, 16);
    header[0] = 1;
    header[2] = static_cast<uint8_t>(type);
    header[3] = static_cast<uint8_t>(type >> 8);
    header[4] = encryption_;
    header[5] = more ? 1 : 0;
    header[6] = subKind;
    header[7] = padding;
    for (int i = 0; i < 4; ++i) {
        header[8 + i] = static_cast<uint8_t>(dataLength >> (8 * i));
    }
    header[12] = static_cast<uint8_t>(block);
    header[13] = static_cast<uint8_t>(block >> 8);
    header[14] = 0xFF;
    header[15] = checkByte(header);
}

bool RegisterLink::sendHeader(uint16_t type, uint16_t block, uint32_t dataLength, uint8_t padding,
                              int checkError) {
    fillHeader(type, 0, block, dataLength, padding, false);
    lastRequest_[15] = static_cast<uint8_t>(lastRequest_[15] + checkError);
    return sendRaw(std::vector<uint8_t>(lastRequest_, lastRequest_ + 16));
}

bool RegisterLink::send(uint16_t type, uint8_t subKind, uint16_t block,
                        const std::vector<uint8_t>& data, bool more) {
    fillHeader(type, subKind, block, static_cast<uint32_t>(data.size()),
               padding(encryption_, data.size()), more);
    const uint8_t* header = lastRequest_;
    std::vector<uint8_t>& telegram = outgoing_;
    telegram.assign(header, header + 16);
    telegram.insert(telegram.end(), data.begin(), data.end());
    telegram.resize(telegram.size() + header[7], 0);
    if (!transform(header, telegram.data() + 16, telegram.size() - 16, true)) {
        return false;
    }
    return sendRaw(telegram);
}

bool RegisterLink::readAll(uint8_t* out, size_t length) {
    size_t got = 0;
    while (got < length) {
        if (at_ < filled_) {
            const size_t part = std::min(length - got, filled_ - at_);
            std::memcpy(out + got, ahead_ + at_, part);
            at_ += part;
            got += part;
            continue;
        }
        // The socket's receive time-out bounds each wait (set when the link is made).
        const ssize_t part = ::recv(socket_, ahead_, sizeof ahead_, 0);
        if (part <= 0) {
            return false;
        }
        at_ = 0;
        filled_ = static_cast<size_t>(part);
    }
    return true;
}

bool RegisterLink::receive(Answer* out, std::vector<std::string>* violations) {
    if (!readAll(out->header, 16)) {
        violations->push_back("no answer");
        return false;
    }
    const uint8_t* h = out->header;
    const uint8_t* q = lastRequest_;
    const uint16_t asked = static_cast<uint16_t>(q[2] | q[3] << 8);
    const uint16_t answered = static_cast<uint16_t>(h[2] | h[3] << 8);
    const uint32_t length = le32(h + 8);
    // Counted in 64 bits: a length near 4 GiB must not wrap round to a small one.
    if (h[0] != 1 || h[1] != 0 || h[15] != checkByte(h) || answered != (asked & ~0x1000) ||
        h[6] != q[6] || h[12] != q[12] || h[13] != q[13] || uint64_t{length} + h[7] > 1200 ||
        h[7] != padding(h[4], length)) {
        violations->push_back("answer header does not match its request");
        return false;
    }
    out->data.assign(length + h[7], 0);
    if (!readAll(out->data.data(), out->data.size()) ||
        !transform(h, out->data.data(), out->data.size(), false)) {
        violations->push_back("answer data missing or not decrypted");
        return false;
    }
    out->data.resize(length);
    return true;
}

bool RegisterLink::staysQuiet(int milliseconds) {
    if (at_ < filled_) {
        return false;
    }
    pollfd entry{socket_, POLLIN, 0};
    return ::poll(&entry, 1, milliseconds) == 0;
}

}  // namespace tk73regsim
