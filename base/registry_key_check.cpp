#include "base/registry_access.h"
#include "base/registry_settings.h"

int TK73_API AecrbsCheckRegistryCurrentUserSystemKey(const char* suffix) {
    const std::optional<std::string> key = tk73::registryKeyOf(suffix);
    return key && tk73::registryKeyExists(tk73::Hive::User, *key) ? 1 : 0;
}
