#include "network/service_loop.h"

#include <vector>

#include "network/telegram_header.h"

namespace tk73net {
namespace {

bool receiveAll(TelegramLink& link, std::vector<uint8_t>& data, int timeoutSeconds) {
    size_t got = 0;
    while (got < data.size()) {
        const int part =
            link.receive(data.data() + got, static_cast<int>(data.size() - got), timeoutSeconds);
        if (part <= 0) {
            return false;
        }
        got += static_cast<size_t>(part);
    }
    return true;
}

}  // namespace

bool runService(TK73APC* context, TelegramLink& link, CTK73sslService& service,
                const ServiceTimeouts& timeouts, CTK73netTrace& trace) {
    std::vector<uint8_t> data;
    std::vector<uint8_t> answer;
    while (!service.done()) {
        uint8_t header[kHeaderSize];
        const int got = link.receive(header, kHeaderSize, timeouts.header);
        if (got <= 0) {
            break;
        }
        if (got < kHeaderSize) {
            trace.write(kTraceWarning, "Short header dropped: %d bytes", got);
            continue;
        }
        bool sound = false;
        {
            // A dropped header is no failure of the session.
            ErrorHold hold(context);
            sound = TK73mslHdrChkHeader(context, header) == 1;
        }
        if (!sound) {
            trace.write(kTraceWarning, "Header dropped: version or check byte");
            continue;
        }
        const uint64_t length = uint64_t{headerDataLength(header)} + header[7];
        bool goOn = true;
        if (length > kMaxTelegramData) {
            service.answerOversized(header, answer);
            goOn = false;
        } else {
            data.assign(static_cast<size_t>(length), 0);
            if (!receiveAll(link, data, timeouts.data)) {
                trace.write(kTraceError, "No data after receiving the header:timeout error");
                break;
            }
            goOn = service.handle(header, data, answer);
        }
        if (answer.empty() || !link.send(answer.data(), static_cast<int>(answer.size()))) {
            break;
        }
        service.answerSent(answer);
        if (!goOn) {
            break;
        }
    }
    return service.done();
}

}  // namespace tk73net
