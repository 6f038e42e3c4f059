#include "network/session_outcome.h"

#include <cstring>

#include "network/net_errors.h"

namespace tk73net {

int sessionResult(const TK73APC* context, CTK73netTrace& trace) {
    const char* prefix = "Store service port service library error:";
    if (context->code == 0) {
        return kOutcomeSuccess;
    }
    if (context->detail == kDetailSendTimeOut || context->detail == kDetailRecvTimeOut) {
        trace.write(kTraceError, "No data after receiving the header:timeout error");
        return kOutcomeTimeOut;
    }
    struct Mapping {
        int32_t code;
        int result;
        const char* text;
    };
    static constexpr Mapping kMappings[] = {
        {kErrDatabase, kOutcomeDataFile, "DB access error"},
        {kErrDataSetting, 17, "data setting error"},
        {kErrSearch, 64, "search error"},
        {kErrServiceCancelled, 66, "cancel service"},
        {kErrRegisterBusy, 96, "ECR BUSY"},
    };
    for (const Mapping& mapping : kMappings) {
        if (context->code == mapping.code) {
            trace.write(kTraceError, "%s%s", prefix, mapping.text);
            return mapping.result;
        }
    }
    trace.write(kTraceError, "%ssystem error", prefix);
    return 48;
}

std::string sessionMessage(int result, const TK73APC* context) {
    if (result == kOutcomeTimeOut) {
        return "Time Out.";
    }
    if (result == kOutcomeNoConnection) {
        return "Failed to communicate with the register";
    }
    if (result == kOutcomeDataFile) {
        return "Invalid data file.";
    }
    if (context->code == kErrRegisterBusy) {
        return "The register is busy.";
    }
    if (context->code == kErrCancelledByRegister) {
        return "Unknown data came from register.";
    }
    if (context->code == kErrServiceCancelled) {
        return "Cancelled by the user.";
    }
    if (result == kOutcomeSuccess || context->systemError == 0) {
        return "";
    }
    const char* text = std::strerror(context->systemError);
    return text != nullptr && *text != '\0' ? text : "An unexpected error has occurred.";
}

}  // namespace tk73net
