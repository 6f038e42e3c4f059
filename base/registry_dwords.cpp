#include "base/registry_access.h"
#include "base/registry_settings.h"

namespace {

std::optional<uint32_t> readDword(tk73::Hive hive, const char* suffix, const char* name) {
    const std::optional<tk73::RegistryValue> value = tk73::readRootValue(hive, suffix, name);
    if (!value || value->type != tk73::RegistryValue::Type::Dword) {
        return std::nullopt;
    }
    return value->dword;
}

int readDwordOrZero(tk73::Hive hive, const char* suffix, uint32_t* value, const char* name) {
    if (value != nullptr) {
        *value = readDword(hive, suffix, name).value_or(0);
    }
    return 1;
}

int readDwordIfPresent(tk73::Hive hive, const char* suffix, uint32_t* value, const char* name) {
    const std::optional<uint32_t> found = readDword(hive, suffix, name);
    if (!found || value == nullptr) {
        return 0;
    }
    *value = *found;
    return 1;
}

}  // namespace

int TK73_API AecrbsSetRegistryCurrentUserSystemValueDW(const char* suffix, const char* name,
                                                       const uint32_t* value) {
    const std::optional<std::string> key = tk73::registryKeyOf(suffix);
    if (!key || value == nullptr) {
        return 0;
    }
    return tk73::registryWriteDword(tk73::Hive::User, *key, name != nullptr ? name : "", *value)
               ? 1
               : 0;
}

int TK73_API AecrbsGetRegistryCurrentUserSystemValueDW(const char* suffix, uint32_t* value,
                                                       const char* name) {
    return readDwordOrZero(tk73::Hive::User, suffix, value, name);
}

int TK73_API AecrbsGetRegistryLocalMachineSystemValueDW(const char* suffix, uint32_t* value,
                                                        const char* name) {
    return readDwordOrZero(tk73::Hive::Machine, suffix, value, name);
}

int TK73_API AecrbsGetRegistryCurrentUserSystemValueDWEx(const char* suffix, uint32_t* value,
                                                         const char* name) {
    return readDwordIfPresent(tk73::Hive::User, suffix, value, name);
}

int TK73_API AecrbsGetRegistryLocalMachineSystemValueDWEx(const char* suffix, uint32_t* value,
                                                          const char* name) {
    return readDwordIfPresent(tk73::Hive::Machine, suffix, value, name);
}
