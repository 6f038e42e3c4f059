// The register sends a file (0x1342): data bytes 0-3 the total size, 4-9 the six-digit file id,
// 10 the cancel mark "1", 12 onward the block.

#include <cstdio>
#include <string>

#include "network/file_conversion.h"
#include "network/net_errors.h"
#include "network/service_context.h"
#include "network/telegram_header.h"

namespace {

using namespace tk73net;

constexpr uint32_t kBlockOffset = 12;

TK73FileAnswer fail(TK73SSC* ssc, int32_t code, int32_t detail, uint8_t result) {
    setError(ssc->owner, code, detail, 0);
    ssc->receive = {};
    TK73FileAnswer answer;
    answer.result = result;
    answer.data.assign(4, 0);
    return answer;
}

uint32_t littleEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Converts the scratch file into the store and removes it, converted or not.
bool unpackScratch(const std::string& scratch, int fileNo) {
    const bool unpacked = TK73ssl_UnPackBinFile(scratch.c_str(), fileNo) == 1;
    std::remove(scratch.c_str());
    return unpacked;
}

// The whole file has come: a data file takes the store file's place, any other is converted
// from the scratch file into the store.
TK73FileAnswer finishFile(TK73SSC* ssc, int fileNo) {
    TK73SSC::Receive& in = ssc->receive;
    if (in.received != in.total) {
        return fail(ssc, kErrDataSetting, 0x021F7030, kResultDataSetting);
    }
    if (in.received > 0) {
        if (!in.dataFile && in.scratch.empty()) {
            return fail(ssc, kErrFile, 0x021F7031, kResultSystem);
        }
        const bool stored = in.file.Commit() && (in.dataFile || unpackScratch(in.scratch, fileNo));
        if (!stored) {
            return fail(ssc, kErrDatabase, 0x021F7032, 0x31);
        }
    }
    ssc->receive = {};
    TK73FileAnswer answer;
    answer.complete = true;
    answer.data.assign(4, 0);
    return answer;
}

}  // namespace

TK73FileAnswer TK73sslSSSaveECRPFile(TK73SSC* ssc, const uint8_t* header, const uint8_t* data) {
    const uint32_t length = headerDataLength(header);
    const uint16_t block = headerBlock(header);
    if (length < kBlockOffset || block == 0) {
        return fail(ssc, kErrDataSetting, 0x021F7033, kResultDataSetting);
    }
    const int fileNo = fileNumberOfId(data + 4);
    const std::string fileId(reinterpret_cast<const char*>(data + 4), 6);
    if (fileNo < 0) {
        return fail(ssc, kErrDataSetting, 0x021F7034, kResultDataSetting);
    }
    if (data[10] == '1') {
        ssc->receive = {};
        setError(ssc->owner, kErrCancelledByRegister, 0x021F7035, 0);
        TK73FileAnswer answer;
        answer.data.assign(4, 0);
        return answer;
    }
    TK73SSC::Receive& in = ssc->receive;
    if (block == 1) {
        const uint32_t total = littleEndian32(data);
        if (total > kMaxFileSize || !ssc->isWorkFile(fileNo)) {
            return fail(ssc, kErrDataSetting, 0x021F7036, kResultDataSetting);
        }
        in = {};
        in.active = true;
        in.total = total;
        in.fileId = fileId;
        const std::string target = dataFileTarget(fileNo);
        in.dataFile = !target.empty();
        in.scratch = in.dataFile ? std::string() : scratchFile();
        in.file = in.dataFile ? ReceivedFile::Replacing(target) : ReceivedFile::Scratch(in.scratch);
    } else if (!in.active || in.fileId != fileId || block > in.blocks + 1) {
        return fail(ssc, kErrDataSetting, 0x021F7037, kResultDataSetting);
    }
    // A block that came before (the register repeats one it had no answer to) is answered
    // again but stored once.
    if (block == in.blocks + 1) {
        const uint32_t part = length - kBlockOffset;
        if (uint64_t{in.received} + part > in.total) {
            return fail(ssc, kErrDataSetting, 0x021F7038, kResultDataSetting);
        }
        in.file.Append(data + kBlockOffset, part);
        in.received += part;
        in.blocks = block;
    }
    if ((header[5] & kFlagContinuation) != 0) {
        TK73FileAnswer answer;
        answer.more = true;
        answer.data.assign(4, 0);
        return answer;
    }
    return finishFile(ssc, fileNo);
}
