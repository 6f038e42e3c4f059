// Arbitrary hive files into the parser of the registry export format. A text the parser takes
// must come back from its formatted form as the same keys and values: the formatted text parses,
// and formats again to the same bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry_export.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<tk73::RegistryDocument> parsed =
        tk73::parseRegistryExport(text, "HKEY_CURRENT_USER");
    if (!parsed) {
        return 0;
    }
    const std::string written = tk73::formatRegistryExport(*parsed, "HKEY_CURRENT_USER");
    const std::optional<tk73::RegistryDocument> reread =
        tk73::parseRegistryExport(written, "HKEY_CURRENT_USER");
    if (!reread || tk73::formatRegistryExport(*reread, "HKEY_CURRENT_USER") != written) {
        __builtin_trap();
    }
    return 0;
}
