#include "base/install_folders.h"
#include "base/out_buffer.h"
#include "base/registry_access.h"
#include "base/registry_settings.h"

// The folders the installation wrote into the machine hive, handed out exactly as stored.

namespace {

// The installation's values are read into a buffer of this size; a longer one counts as missing.
constexpr size_t kInstallValueRoom = 256;

int readInstallValue(char* out, const char* name) {
    const std::string value = tk73::readRootString(tk73::Hive::Machine, nullptr, name);
    if (value.size() >= kInstallValueRoom) {
        return tk73::putPath(out, "");
    }
    return tk73::putPath(out, value);
}

}  // namespace

int TK73_API AecrbsGetTK73InstallPath(char* out) {
    return readInstallValue(out, "InstallPath");
}

int TK73_API AecrbsGetTK73RegisterPath(char* out) {
    return readInstallValue(out, "RegisterPath");
}

int TK73_API AecrbsGetTK73VekPath(char* out) {
    return readInstallValue(out, "VekPath");
}

int TK73_API AecrbsGetTK73SystemPath(char* out) {
    return readInstallValue(out, "SystemPath");
}

int TK73_API AecrbsGetTK73TemplatePath(char* out) {
    return readInstallValue(out, "TemplatePath");
}

int TK73_API AecrbsGetTK73UserMode(uint32_t* out) {
    return AecrbsGetRegistryLocalMachineSystemValueDW(nullptr, out, "UserMode");
}
