#pragma once
// The service context of one register session once the register has given the right
// password: the receive state of a file coming in and the send cache of a file going out.
// TK73sslSSSaveECRPFile and TK73sslSSDeliverECRPFile serve one file telegram each and say what
// to answer.

#include <cstdint>
#include <string>
#include <vector>

#include "network/app_context.h"
#include "network/received_file.h"

// What a file handler answers: the result byte, the answer's data and whether more blocks
// follow; complete once the file has come in or gone out whole with this answer.
struct TK73FileAnswer {
    uint8_t result = 0xFF;
    bool more = false;
    bool complete = false;
    std::vector<uint8_t> data;
};

struct TK73SSC {
    TK73APC* owner = nullptr;
    uint8_t configuration[396] = {};
    // The files of the work list, by number: a register can exchange no other.
    std::vector<int> workFiles;
    [[nodiscard]] bool isWorkFile(int fileNo) const;

    struct Receive {
        bool active = false;
        int blocks = 0;
        uint32_t total = 0;
        uint32_t received = 0;
        std::string fileId;
        // A data file replaces the store's file as it is; any other is converted from the scratch
        // file at the end. The blocks go to either as they come.
        bool dataFile = false;
        std::string scratch;
        tk73net::ReceivedFile file;
    } receive;

    struct SendCache {
        bool active = false;
        std::string fileId;
        std::vector<uint8_t> image;
    } send;
};

namespace tk73net {

// Blocks of a file that the PC sends.
inline constexpr uint32_t kSendBlock = 1172;
// The most that a register may announce for one file; more is refused before any of it is
// stored.
inline constexpr uint32_t kMaxFileSize = 64u << 20;

// The file number of a six-digit id; -1 for anything else.
[[nodiscard]] int fileNumberOfId(const uint8_t* text);
void addOnce(std::vector<std::string>& list, const std::string& fileId);
// "temp.bin" in the suite's temporary folder, where a file waits between the wire and the store;
// empty when the folder is unknown.
std::string scratchFile();
// Send caches grow in steps of 12000 bytes, and at least to twice their room.
void reserveInSteps(std::vector<uint8_t>& buffer, size_t size);

}  // namespace tk73net

// Null on a null configuration or when memory is short.
TK73SSC* TK73sslSSCreateSSC(TK73APC* parent, const uint8_t* configuration);
void TK73sslSSDeleteSSC(TK73SSC* ssc);
// 0x1342: a block of a file that the register sends.
TK73FileAnswer TK73sslSSSaveECRPFile(TK73SSC* ssc, const uint8_t* header, const uint8_t* data);
// 0x1344: a block of a file that the PC sends.
TK73FileAnswer TK73sslSSDeliverECRPFile(TK73SSC* ssc, const uint8_t* header, const uint8_t* data);
