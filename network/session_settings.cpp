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

// A time-out in seconds: 60 when unset or beyond an hour.
int seconds(const char* name) {
    const uint32_t read = value(name);
    return read == 0 || read > 3600 ? 60 : static_cast<int>(read);
}

}  // namespace

SessionSettings readSessionSettings() {
    SessionSettings settings;
    settings.timeHead = seconds("THEAD");
    settings.timeStart = seconds("TINIT");
    settings.timePerFile = seconds("TEX1");
    settings.process = value("Process");
    settings.thread = value("Thread");
    settings.cryptTermOff = value("CryptTermOff") != 0;
    return settings;
}

}  // namespace tk73net
