#include "network/event_log.h"

#include <syslog.h>
#include <unistd.h>

#include <climits>
#include <string>

namespace tk73net {
namespace {

std::string executableName() {
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string text(path, length > 0 ? static_cast<size_t>(length) : 0);
    return text.substr(text.find_last_of('/') + 1);
}

}  // namespace

void writeEvent(const TK73APC* context, int kind, const char* message) {
    const int priority = kind <= kEventError2    ? LOG_ERR
                         : kind == kEventWarning ? LOG_WARNING
                                                 : LOG_INFO;
    const unsigned eventId = (1u << 30) + static_cast<unsigned>(kind);
    const std::string module = context != nullptr && context->moduleName != nullptr
                                   ? std::string(context->moduleName)
                                   : executableName();
    const unsigned code = context != nullptr ? static_cast<unsigned>(context->code) : 0;
    const unsigned detail = context != nullptr ? static_cast<unsigned>(context->detail) : 0;
    const unsigned system = context != nullptr ? static_cast<unsigned>(context->systemError) : 0;
    // LOG_NDELAY is left out: a machine without a journal drops the events quietly.
    openlog("ECRNET", LOG_PID, LOG_USER);
    syslog(priority, "[%u] %s 0x%08x-0x%08x-0x%08x %s", eventId, module.c_str(), code, detail,
           system, message != nullptr ? message : "");
    closelog();
}

}  // namespace tk73net
