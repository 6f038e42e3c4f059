#include "programfiles/pgm_current_store.h"

#include <cstdint>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "definitions/decimal_text.h"

namespace tk73pgm {

namespace {

// The only register layout that keeps several stores.
constexpr uint32_t kProfessionalMode = 2;
constexpr int kWorkingStore = 1;
// The selection buffers of the desktop register.
constexpr int kSelectionRoom = 4096;

}  // namespace

int currentStoreNo() {
    uint32_t mode = 0;
    AecrbsGetTK73UserMode(&mode);
    if (AecrbsGetLaunchVekTool() == 0 && mode != kProfessionalMode) {
        return kWorkingStore;
    }
    char branch[kSelectionRoom] = {};
    char store[kSelectionRoom] = {};
    char reg[kSelectionRoom] = {};
    AecrbsGetDesktopRegister(branch, store, reg);
    return tk73def::decimalValue(store);
}

}  // namespace tk73pgm
