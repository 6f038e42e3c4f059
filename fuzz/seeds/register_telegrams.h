#pragma once
// What a register sends to the file service, as the bytes of one connection: unencrypted
// telegrams with sound headers, or with the faults a hostile register puts in them.

#include <cstdint>
#include <string>

#include "network/service_context.h"

namespace tk73seeds {

class RegisterTelegrams {
  public:
    // A telegram of the type with the data; block numbers count from 1, more marks a file's
    // block that others follow.
    RegisterTelegrams& add(uint16_t type, uint8_t subKind, uint16_t block, bool more,
                           const std::string& data);
    // The same with its header changed after the check byte was set (a wrong check byte) or
    // before (header[at] = value, the check byte right).
    RegisterTelegrams& addDamaged(uint16_t type, const std::string& data, int at, uint8_t value,
                                  bool rightCheckByte);
    // A header announcing length data bytes, without them.
    RegisterTelegrams& announce(uint16_t type, uint16_t block, uint32_t length);
    RegisterTelegrams& raw(const std::string& bytes);

    // The three steps of the authentication; a wrong password is refused at the third.
    RegisterTelegrams& authenticate(const std::string& password = "583914");
    // The work request, from a register that is busy or not.
    RegisterTelegrams& askForWork(bool busy = false);
    // The file whole, in blocks of blockSize bytes, each headed by the announced size, the
    // six-digit id of fileNo and no cancel mark.
    RegisterTelegrams& sendFile(int fileNo, const std::string& file,
                                size_t blockSize = tk73net::kSendBlock, uint32_t announcedSize = 0);
    // Asks for blocks first to last of the file (the PC sends it).
    RegisterTelegrams& fetchFile(int fileNo, int first, int last);

    const std::string& bytes() const { return bytes_; }

  private:
    std::string header(uint16_t type, uint8_t subKind, uint16_t block, bool more,
                       uint32_t length) const;

    std::string bytes_;
};

// The six-digit id of a file number.
std::string fileId(int fileNo);
// Blocks of blockSize bytes that the file takes (one for an empty file).
int blocksOf(const std::string& file, size_t blockSize = tk73net::kSendBlock);

}  // namespace tk73seeds
