#include "base/registry_access.h"

#include "base/registry_settings.h"

namespace tk73 {

std::optional<std::string> registryKeyOf(const char* suffix) {
    std::string key = AecrbsGetLaunchVekTool() != 0 ? "SOFTWARE\\KELVO\\VEKSTTL\\SYSTEM"
                                                    : "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM";
    if (suffix != nullptr) {
        key += suffix;
    }
    if (key.size() > kMaxRegistryKeyLength) {
        return std::nullopt;
    }
    return key;
}

std::optional<RegistryValue> readRootValue(Hive hive, const char* suffix, const char* name) {
    const std::optional<std::string> key = registryKeyOf(suffix);
    if (!key) {
        return std::nullopt;
    }
    // A null value name is the key's default value, as for the Windows registry functions.
    return registryReadValue(hive, *key, name != nullptr ? name : "");
}

std::string readRootString(Hive hive, const char* suffix, const char* name) {
    const std::optional<RegistryValue> value = readRootValue(hive, suffix, name);
    return value && value->type == RegistryValue::Type::String ? value->text : std::string();
}

}  // namespace tk73
