#include "base/out_buffer.h"
#include "base/registry_access.h"
#include "base/registry_settings.h"

namespace {

int readString(tk73::Hive hive, const char* suffix, char* buffer, int size, const char* name) {
    if (buffer == nullptr || size <= 0) {
        return 1;
    }
    // A value longer than the buffer reads as empty, as a failed read does.
    (void)tk73::copyToBuffer(buffer, static_cast<size_t>(size),
                             tk73::readRootString(hive, suffix, name));
    return 1;
}

}  // namespace

int TK73_API AecrbsSetRegistryCurrentUserSystemString(const char* suffix, const char* name,
                                                      const char* text) {
    const std::optional<std::string> key = tk73::registryKeyOf(suffix);
    if (!key || text == nullptr) {
        return 0;
    }
    return tk73::registryWriteString(tk73::Hive::User, *key, name != nullptr ? name : "", text) ? 1
                                                                                                : 0;
}

int TK73_API AecrbsGetRegistryCurrentUserSystemString(const char* suffix, char* buffer, int size,
                                                      const char* name) {
    return readString(tk73::Hive::User, suffix, buffer, size, name);
}

int TK73_API AecrbsGetRegistryLocalMachineSystemString(const char* suffix, char* buffer, int size,
                                                       const char* name) {
    return readString(tk73::Hive::Machine, suffix, buffer, size, name);
}
