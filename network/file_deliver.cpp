// The PC sends a file (0x1344): the request's data is the six-digit file id and the cancel mark
// "1" at byte 6; each answer is a 28-byte block head and the block the block number asks for.

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "network/file_conversion.h"
#include "network/net_errors.h"
#include "network/service_context.h"
#include "network/telegram_header.h"
#include "platform/whole_file.h"

namespace {

using namespace tk73net;

constexpr uint32_t kRequestLength = 8;
constexpr size_t kBlockHead = 28;

TK73FileAnswer fail(TK73SSC* ssc, int32_t code, int32_t detail, uint8_t result) {
    setError(ssc->owner, code, detail, 0);
    ssc->send = {};
    TK73FileAnswer answer;
    answer.result = result;
    answer.data.assign(4, 0);
    return answer;
}

// Bytes 0-3 zero, 4-7 the total size, 8-19 twelve "0", 20-25 the file id, 26-27 two blanks;
// room is made for the block that follows.
std::vector<uint8_t> blockHead(uint32_t total, const std::string& fileId, size_t block = 0) {
    std::vector<uint8_t> head;
    head.reserve(kBlockHead + block);
    head.resize(kBlockHead, 0);
    for (int i = 0; i < 4; ++i) {
        head[4 + i] = static_cast<uint8_t>(total >> (8 * i));
    }
    std::fill(head.begin() + 8, head.begin() + 20, '0');
    std::copy(fileId.begin(), fileId.end(), head.begin() + 20);
    head[26] = ' ';
    head[27] = ' ';
    return head;
}

// The file packed into "temp.bin" and read whole into the send cache.
bool fillCache(TK73SSC* ssc, int fileNo, const std::string& fileId) {
    const std::string path = scratchFile();
    std::optional<std::string> bytes;
    if (!path.empty() && TK73ssl_PackBinFile(path.c_str(), fileNo) == 1) {
        bytes = tk73::readWholeFile(path);
    }
    std::remove(path.c_str());
    if (!bytes || bytes->empty() || bytes->size() > kMaxFileSize) {
        return false;
    }
    TK73SSC::SendCache& cache = ssc->send;
    cache.image.clear();
    reserveInSteps(cache.image, bytes->size());
    cache.image.assign(bytes->begin(), bytes->end());
    cache.fileId = fileId;
    cache.active = true;
    return true;
}

}  // namespace

TK73FileAnswer TK73sslSSDeliverECRPFile(TK73SSC* ssc, const uint8_t* header, const uint8_t* data) {
    if (headerDataLength(header) != kRequestLength) {
        return fail(ssc, kErrDataSetting, 0x021F7040, kResultDataSetting);
    }
    const int fileNo = fileNumberOfId(data);
    const std::string fileId(reinterpret_cast<const char*>(data), 6);
    if (fileNo < 0 || !ssc->isWorkFile(fileNo)) {
        return fail(ssc, kErrDataSetting, 0x021F7041, kResultDataSetting);
    }
    if (data[6] == '1') {
        ssc->send = {};
        setError(ssc->owner, kErrCancelledByRegister, 0x021F7042, 0);
        TK73FileAnswer answer;
        answer.data = blockHead(0, fileId);
        return answer;
    }
    TK73SSC::SendCache& cache = ssc->send;
    if ((!cache.active || cache.fileId != fileId) && !fillCache(ssc, fileNo, fileId)) {
        return fail(ssc, kErrDatabase, 0x021F7043, 0x31);
    }
    const size_t size = cache.image.size();
    const size_t blocks = (size + kSendBlock - 1) / kSendBlock;
    const uint16_t block = headerBlock(header);
    if (block == 0 || block > blocks) {
        return fail(ssc, kErrDataSetting, 0x021F7044, kResultDataSetting);
    }
    const size_t begin = (block - 1) * size_t{kSendBlock};
    const size_t end = std::min(size, begin + kSendBlock);
    TK73FileAnswer answer;
    answer.data = blockHead(static_cast<uint32_t>(size), fileId, end - begin);
    answer.data.insert(answer.data.end(), cache.image.begin() + static_cast<long>(begin),
                       cache.image.begin() + static_cast<long>(end));
    answer.more = block < blocks;
    answer.complete = !answer.more;
    if (!answer.more) {
        ssc->send = {};
    }
    return answer;
}
