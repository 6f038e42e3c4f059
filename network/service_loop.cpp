#include "network/service_loop.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "network/net_errors.h"
#include "network/telegram_header.h"

namespace tk73net {
namespace {

using Clock = std::chrono::steady_clock;

// The session's deadline as the work stands now.
class SessionDeadline {
  public:
    SessionDeadline(const ServiceTimeouts& timeouts, const CTK73sslService& service)
        : begin_(Clock::now()), timeouts_(timeouts), service_(service) {}

    // The seconds to wait at most for the next bytes: the wait's own time-out, cut to what is
    // left of the session (at least 1 while any is left); 0 once the deadline has passed.
    int wait(int seconds) const {
        const auto allowed = std::chrono::seconds(
            timeouts_.start + timeouts_.perFile * static_cast<int64_t>(service_.workFiles()) +
            static_cast<int64_t>(service_.transferred() / kCreditBytes));
        const auto left = begin_ + allowed - Clock::now();
        if (left <= Clock::duration::zero()) {
            return 0;
        }
        const auto leftSeconds = std::chrono::ceil<std::chrono::seconds>(left).count();
        return static_cast<int>(std::min<int64_t>(seconds, leftSeconds));
    }

  private:
    Clock::time_point begin_;
    ServiceTimeouts timeouts_;
    const CTK73sslService& service_;
};

bool receiveAll(TelegramLink& link, std::vector<uint8_t>& data, const SessionDeadline& deadline,
                int timeoutSeconds) {
    size_t got = 0;
    while (got < data.size()) {
        const int wait = deadline.wait(timeoutSeconds);
        const int part =
            wait == 0 ? 0
                      : link.receive(data.data() + got, static_cast<int>(data.size() - got), wait);
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
    const SessionDeadline deadline(timeouts, service);
    std::vector<uint8_t> data;
    std::vector<uint8_t> answer;
    while (!service.settled()) {
        const int wait = deadline.wait(timeouts.header);
        if (wait == 0) {
            setError(context, kErrSystem, kDetailRecvTimeOut, 0);
            trace.write(kTraceError, "The session's deadline has passed");
            break;
        }
        uint8_t header[kHeaderSize];
        const int got = link.receive(header, kHeaderSize, wait);
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
            if (!receiveAll(link, data, deadline, timeouts.data)) {
                if (deadline.wait(timeouts.data) == 0) {
                    setError(context, kErrSystem, kDetailRecvTimeOut, 0);
                }
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
