#include <cstring>

#include "base/registry_settings.h"

namespace {

constexpr const char* kNames[] = {"CURRENTBRANCH", "CURRENTSTORE", "CURRENTREGISTER"};

// Each out buffer of AecrbsGetDesktopRegister holds at least this many bytes.
constexpr int kValueRoom = 4096;

}  // namespace

int TK73_API AecrbsSetDesktopRegister(const char* branch, const char* store, const char* reg) {
    const char* values[] = {branch, store, reg};
    for (int i = 0; i < 3; ++i) {
        if (AecrbsSetRegistryCurrentUserSystemString(nullptr, kNames[i], values[i]) == 0) {
            return 0;
        }
    }
    return 1;
}

int TK73_API AecrbsGetDesktopRegister(char* branch, char* store, char* reg) {
    char* outs[] = {branch, store, reg};
    for (int i = 0; i < 3; ++i) {
        if (outs[i] == nullptr) {
            continue;
        }
        AecrbsGetRegistryCurrentUserSystemString(nullptr, outs[i], kValueRoom, kNames[i]);
        if (outs[i][0] == '\0') {
            std::strcpy(outs[i], "999");
        }
    }
    return 1;
}
