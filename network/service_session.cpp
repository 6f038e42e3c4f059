#include "network/service_session.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "network/net_errors.h"
#include "network/session_keys.h"
#include "network/telegram_header.h"
#include "platform/local_time.h"

namespace tk73net {
namespace {

constexpr char kPassword[] = "583914";  // compared with its zero byte
constexpr size_t kStep1Length = 32;
constexpr size_t kStep4Length = 16;
constexpr size_t kStep5Length = 32;
constexpr size_t kCodeLength = 13;
constexpr size_t kPasswordLength = 6;
constexpr uint8_t kSubKindIdentify = 1;
constexpr uint8_t kSubKindSequence = 2;

bool encryptedType(uint8_t type) {
    return type >= 0xC0 && type <= 0xD1;
}

std::string clockText() {
    const std::tm now = tk73::localTimeNow();
    char text[32] = {};
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", now.tm_year + 1900, now.tm_mon + 1,
                  now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

}  // namespace

CTK73sslService::CTK73sslService(TK73APC* context, int workKind, std::vector<int> fileNos,
                                 CTK73netTrace* trace)
    : context_(context), workKind_(workKind), fileNos_(std::move(fileNos)), trace_(trace) {}

CTK73sslService::~CTK73sslService() {
    TK73sslSSDeleteSSC(ssc_);
}

bool CTK73sslService::makeAnswer(const uint8_t* request, uint8_t result,
                                 const std::vector<uint8_t>& data, bool more,
                                 std::vector<uint8_t>& answer) {
    uint8_t header[kHeaderSize];
    std::memcpy(header, request, kHeaderSize);
    header[5] = static_cast<uint8_t>(more ? (header[5] | kFlagContinuation)
                                          : (header[5] & ~kFlagContinuation));
    header[14] = result;
    setHeaderDataLength(header, static_cast<uint32_t>(data.size()));
    answer.clear();
    if (TK73mslHdrSetAnswer(context_, header) != 1) {
        return false;
    }
    answer.assign(header, header + kHeaderSize);
    answer.insert(answer.end(), data.begin(), data.end());
    answer.resize(answer.size() + header[7], 0);
    if (TK73mslCrpSetData(context_, header, answer.data() + kHeaderSize, &keys_) != 1) {
        trace_->write(kTraceError, "Answer not encrypted: type 0x%02x", header[4]);
        answer.clear();
        return false;
    }
    return true;
}

bool CTK73sslService::answerError(const uint8_t* request, uint8_t result,
                                  std::vector<uint8_t>& answer) {
    return makeAnswer(request, result, std::vector<uint8_t>(4, 0), false, answer);
}

void CTK73sslService::answerOversized(const uint8_t* header, std::vector<uint8_t>& answer) {
    setError(context_, kErrHeader, 0x021F7060, 0);
    trace_->write(kTraceError, "NG Common header error: %u data bytes", headerDataLength(header));
    // The session ends after this answer, whether or not it could be built.
    (void)answerError(header, kResultHeader, answer);
}

bool CTK73sslService::handle(const uint8_t* header, std::vector<uint8_t>& data,
                             std::vector<uint8_t>& answer) {
    answer.clear();
    const uint16_t type = headerType(header);
    if (encryptedType(header[4]) && !keysSet_) {
        trace_->write(kTraceWarning, "NG Sequence error: unset key");
        return answerError(header, kResultSequence, answer);
    }
    if (TK73mslCrpGetData(context_, header, data.data(), &keys_) != 1) {
        trace_->write(kTraceWarning, "NG Encryption error: type 0x%02x", header[4]);
        return answerError(header, kResultEncryption, answer);
    }
    data.resize(headerDataLength(header));
    if ((type & 0x0F00) != 0x0300) {
        setError(context_, kErrTelegram, 0x021F7061, 0);
        trace_->write(kTraceError, "Event error: type 0x%04x", type);
        // The session ends after this answer, whether or not it could be built.
        (void)answerError(header, kResultHeader, answer);
        return false;
    }
    if (type == kTypeAuthentication && header[6] == kSubKindIdentify) {
        return authenticate(header, data, answer);
    }
    if (type == kTypeAuthentication && header[6] == kSubKindSequence) {
        return answerError(header, kResultSequence, answer);
    }
    if (type == kTypeWorkRequest || ((type & 0xFF00) == 0x1300 && headerBlock(header) != 0)) {
        if (state_ != kFileService) {
            trace_->write(kTraceWarning, "NG Invalid Service error: file service not enabled");
            return answerError(header, kResultInvalidService, answer);
        }
        return type == kTypeWorkRequest ? answerWork(header, data, answer)
                                        : serveFile(header, data, answer);
    }
    return answerError(header, kResultHeader, answer);
}

bool CTK73sslService::authenticate(const uint8_t* header, const std::vector<uint8_t>& data,
                                   std::vector<uint8_t>& answer) {
    if (data.size() < 3) {
        return answerError(header, kResultHeader, answer);
    }
    const uint8_t step = data[2];
    const bool inOrder = (step == 1 && state_ == kStart) || (step == 4 && state_ == kIdentified) ||
                         (step == 5 && state_ == kExchanged);
    const size_t length = step == 4 ? kStep4Length : step == 5 ? kStep5Length : kStep1Length;
    if (step != 1 && step != 4 && step != 5) {
        return answerError(header, kResultDataSetting, answer);
    } else if (!inOrder) {
        return answerError(header, kResultSequence, answer);
    } else if (data.size() != length) {
        return answerError(header, kResultHeader, answer);
    } else if (step == 1) {
        if (strnlen(reinterpret_cast<const char*>(data.data() + 8), 24) != kCodeLength) {
            return answerError(header, kResultDataSetting, answer);
        }
        std::vector<uint8_t> reply(24, 0);
        reply[0] = reply[1] = 0xFF;
        reply[2] = 2;
        reply[8] = reply[9] = 0xFF;
        const std::string now = clockText();
        std::memcpy(reply.data() + 10, now.data(), 14);
        builtInSessionKey(0, keys_.sessionKeys[0]);
        builtInSessionKey(1, keys_.sessionKeys[1]);
        keysSet_ = true;
        state_ = kIdentified;
        trace_->write(kTraceInfo, "Authentication step 1: %.13s", data.data() + 8);
        return makeAnswer(header, kResultOk, reply, false, answer);
    } else if (step == 4) {
        std::memcpy(registerValues_, data.data() + 8, sizeof registerValues_);
        std::vector<uint8_t> reply = data;
        std::fill(reply.begin() + 4, reply.begin() + 8, 0);
        state_ = kExchanged;
        return makeAnswer(header, kResultOk, reply, false, answer);
    } else {
        const char* given = reinterpret_cast<const char*>(data.data() + 24);
        if (strnlen(given, 8) != kPasswordLength) {
            return answerError(header, kResultDataSetting, answer);
        }
        std::vector<uint8_t> reply(16, 0);
        reply[0] = reply[1] = 0xFF;
        reply[2] = 6;
        if (std::memcmp(given, kPassword, sizeof kPassword) == 0) {
            const uint8_t configuration[396] = {};
            ssc_ = TK73sslSSCreateSSC(context_, configuration);
            if (ssc_ == nullptr) {
                return answerError(header, kResultSystem, answer);
            }
            ssc_->workFiles = fileNos_;
            reply[8] = reply[9] = 0xFF;
        } else {
            trace_->write(kTraceWarning, "Authentication: password mismatch");
            reply[9] = kResultPassword;
        }
        state_ = kFileService;
        return makeAnswer(header, kResultOk, reply, false, answer);
    }
}

bool CTK73sslService::answerWork(const uint8_t* header, const std::vector<uint8_t>& data,
                                 std::vector<uint8_t>& answer) {
    if (data.size() != 1) {
        return answerError(header, kResultDataSetting, answer);
    }
    const bool busy = data[0] == 1;
    std::vector<uint8_t> work(8, 0);
    work[4] = busy ? 0xFF : static_cast<uint8_t>(workKind_);
    const size_t count = busy ? 0 : fileNos_.size();
    char digits[16] = {};
    std::snprintf(digits, sizeof digits, "%02d", static_cast<int>(count));
    work[6] = static_cast<uint8_t>(digits[0]);
    work[7] = static_cast<uint8_t>(digits[1]);
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(digits, sizeof digits, "%06d", fileNos_[i]);
        work.insert(work.end(), digits, digits + 6);
    }
    // A busy register is told of no file.
    workAnswered_ = !busy;
    if (busy) {
        setError(context_, kErrRegisterBusy, 0x021F7062, 0);
        trace_->write(kTraceWarning, "Store service port service library error:ECR BUSY");
        // The session ends after this answer, whether or not it could be built.
        (void)makeAnswer(header, kResultOk, work, false, answer);
        return false;
    }
    return makeAnswer(header, kResultOk, work, false, answer);
}

bool CTK73sslService::refuseDirection(const uint8_t* header, std::vector<uint8_t>& answer) {
    // A send never changes the store, and a receive gives nothing away.
    setError(context_, kErrTelegram, 0x021F7065, 0);
    trace_->write(kTraceWarning, "NG Sequence error: type 0x%04x against the work kind %d",
                  headerType(header), workKind_);
    return answerError(header, kResultSequence, answer);
}

void CTK73sslService::credit(int fileNo, uint16_t block, size_t bytes) {
    uint16_t& credited = creditedBlocks_[fileNo];
    if (block > credited) {
        credited = block;
        transferred_ += bytes;
    }
}

bool CTK73sslService::serveFile(const uint8_t* header, const std::vector<uint8_t>& data,
                                std::vector<uint8_t>& answer) {
    const uint16_t type = headerType(header);
    const bool pushed = type == kTypeRegisterSends;
    if (!pushed && type != kTypePcSends) {
        return answerError(header, kResultHeader, answer);
    }
    if (pushed != (workKind_ == 0)) {
        return refuseDirection(header, answer);
    }
    const size_t idAt = pushed ? 4 : 0;
    const int fileNo = data.size() >= idAt + 6 ? fileNumberOfId(data.data() + idAt) : -1;
    if (ssc_ == nullptr) {
        setError(context_, kErrTelegram, 0x021F7063, 0);
        return answerError(header, kResultInvalidService, answer);
    }
    // The handlers read fixed offsets of the data; a short request is refused before.
    if (data.size() < (pushed ? 12u : 8u)) {
        setError(context_, kErrDataSetting, 0x021F7064, 0);
        return answerError(header, kResultDataSetting, answer);
    }
    const TK73FileAnswer result = pushed ? TK73sslSSSaveECRPFile(ssc_, header, data.data())
                                         : TK73sslSSDeliverECRPFile(ssc_, header, data.data());
    if (result.result == kResultOk && fileNo >= 0) {
        // A block head of 28 bytes comes before the block of a file the PC sends.
        const size_t head = pushed ? 12 : 28;
        const size_t carried = pushed ? data.size() : result.data.size();
        credit(fileNo, headerBlock(header), carried - std::min(head, carried));
    }
    if (!makeAnswer(header, result.result, result.data, result.more, answer)) {
        return false;
    }
    answering_ = fileNo;
    answeringCompletes_ = result.complete;
    return true;
}

void CTK73sslService::answerSent(const std::vector<uint8_t>& answer) {
    const uint16_t type = headerType(answer.data());
    const bool fileAnswer =
        type == (kTypeRegisterSends & ~kRequestBit) || type == (kTypePcSends & ~kRequestBit);
    if (fileAnswer && (answer[5] & kFlagContinuation) == 0 && answering_ >= 0) {
        settled_.insert(answering_);
        if (answeringCompletes_) {
            completed_.insert(answering_);
        }
    }
    answering_ = -1;
    answeringCompletes_ = false;
}

bool CTK73sslService::done() const {
    return workAnswered_ && std::all_of(fileNos_.begin(), fileNos_.end(), [this](int fileNo) {
               return completed_.count(fileNo) != 0;
           });
}

bool CTK73sslService::settled() const {
    return workAnswered_ && std::all_of(fileNos_.begin(), fileNos_.end(),
                                        [this](int fileNo) { return settled_.count(fileNo) != 0; });
}

std::vector<std::string> CTK73sslService::failedFiles() const {
    std::vector<std::string> failed;
    if (!workAnswered_) {
        return failed;
    }
    for (int fileNo : fileNos_) {
        if (completed_.count(fileNo) == 0) {
            char id[16] = {};
            std::snprintf(id, sizeof id, "%06d", fileNo);
            addOnce(failed, id);
        }
    }
    return failed;
}

}  // namespace tk73net
