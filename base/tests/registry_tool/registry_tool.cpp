// A separate process that writes or checks a user registry value through the base services:
//
//   base_test_registry_tool [--vek] set <suffix> <name> <text>
//   base_test_registry_tool [--vek] expect <suffix> <name> <text>
//
// "set" ends with 0 when the value was written; "expect" ends with 0 when the value reads as the
// text. An empty suffix is the root.

#include <cstring>

#include "base/registry_settings.h"

int main(int argc, char** argv) {
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--vek") == 0) {
        AecrbsSetLaunchVekTool(1);
        first = 2;
    }
    if (argc != first + 4) {
        return 2;
    }
    const char* command = argv[first];
    const char* suffix = argv[first + 1];
    const char* name = argv[first + 2];
    const char* text = argv[first + 3];
    if (std::strcmp(command, "set") == 0) {
        return AecrbsSetRegistryCurrentUserSystemString(suffix, name, text) == 1 ? 0 : 1;
    }
    if (std::strcmp(command, "expect") == 0) {
        char value[4096];
        AecrbsGetRegistryCurrentUserSystemString(suffix, value, sizeof value, name);
        return std::strcmp(value, text) == 0 ? 0 : 1;
    }
    return 2;
}
