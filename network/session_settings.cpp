#include "network/session_settings.h"

#include "base/registry_settings.h"
#include "network/trace_writer.h"

namespace tk73net {
namespace {

uint32_t value(const char* name) {
    uint32_t read = 0;
    AecrbsGetRegistryLocalMachineSystemValueDW(kTraceKey, &read, name);
    return read;
}

}  // namespace

SessionSettings readSessionSettings() {
    SessionSettings settings;
    const uint32_t head = value("THEAD");
    settings.timeHead = head == 0 || head > 3600 ? 60 : static_cast<int>(head);
    settings.process = value("Process");
    settings.thread = value("Thread");
    settings.cryptTermOff = value("CryptTermOff") != 0;
    return settings;
}

}  // namespace tk73net
