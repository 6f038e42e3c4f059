#pragma once
// The register's end of the connection: it sends requests (header, encrypted data, padding) and
// reads answers, checking each against its request as a register would.

#include <cstdint>
#include <string>
#include <vector>

namespace tk73regsim {

struct Answer {
    uint8_t header[16] = {};
    std::vector<uint8_t> data;  // decrypted, without padding
    uint8_t result() const { return header[14]; }
    bool more() const { return (header[5] & 1) != 0; }
};

class RegisterLink {
  public:
    // Each answer is waited for at most answerSeconds.
    RegisterLink(int socket, int answerSeconds);

    // The payload type of the requests from now on.
    void setEncryption(uint8_t type) { encryption_ = type; }

    // Builds, encrypts and sends one request; false when it cannot go out.
    bool send(uint16_t type, uint8_t subKind, uint16_t block, const std::vector<uint8_t>& data,
              bool more = false);
    // Sends a header alone, for the faults that break the telegram format: its data length and
    // padding as given, its check byte off by checkError; no data follows.
    bool sendHeader(uint16_t type, uint16_t block, uint32_t dataLength, uint8_t padding,
                    int checkError);
    // Bytes as they are, outside any telegram; false when they cannot go out.
    bool sendRaw(const std::vector<uint8_t>& bytes);
    // The answer to the last request; false (and a violation) when none came in time or it does
    // not match the request.
    bool receive(Answer* out, std::vector<std::string>* violations);
    // True when nothing arrives within the milliseconds.
    bool staysQuiet(int milliseconds);

  private:
    void fillHeader(uint16_t type, uint8_t subKind, uint16_t block, uint32_t dataLength,
                    uint8_t padding, bool more);
    bool readAll(uint8_t* out, size_t length);
    // In-place payload transform of the type: encrypt (requests) or decrypt (answers).
    bool transform(const uint8_t* header, uint8_t* data, size_t length, bool encrypt) const;

    int socket_;
    uint8_t encryption_ = 0;
    uint8_t lastRequest_[16] = {};
    std::vector<uint8_t> outgoing_;
    // Read ahead: a whole answer usually comes with one receive.
    uint8_t ahead_[16 + 1200] = {};
    size_t at_ = 0;
    size_t filled_ = 0;
};

}  // namespace tk73regsim
