#include <atomic>

#include "base/registry_settings.h"

// The two switches every process sets from its command line before its first path or registry
// call; they start at 0 when the library is loaded.

namespace {

std::atomic<int> launchVekTool{0};
std::atomic<int> currentVekSetting{0};

}  // namespace

int TK73_API AecrbsSetLaunchVekTool(int value) {
    launchVekTool = value;
    return value;
}

int TK73_API AecrbsGetLaunchVekTool(void) {
    return launchVekTool;
}

// No part of the suite saves the current Vek setting, so the save flag asks for nothing and
// there is never anything to restore.
int TK73_API AecrbsSetCurrentVekSetting(int value, int save) {
    currentVekSetting = value;
    return value;
}

int TK73_API AecrbsGetCurrentVekSetting(void) {
    return currentVekSetting;
}

int TK73_API AecrbsRestoreCurrentVekSetting(void) {
    return 0;
}
