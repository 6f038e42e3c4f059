// Arbitrary hive files into the parser of the registry export format, read as the user's hive
// and as the machine's, whose keys lie below roots of their own. A text the parser takes must
// come back from its formatted form as the same keys and values: the formatted text parses, and
// formats again to the same bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry_export.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string_view root : {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"}) {
        const std::optional<tk73::RegistryDocument> parsed = tk73::parseRegistryExport(text, root);
        if (!parsed) {
            continue;
        }
        const std::string written = tk73::formatRegistryExport(*parsed, root);
        const std::optional<tk73::RegistryDocument> reread =
            tk73::parseRegistryExport(written, root);
        if (!reread || tk73::formatRegistryExport(*reread, root) != written) {
            __builtin_trap();
        }
    }
    return 0;
}
