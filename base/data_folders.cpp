#include "base/install_folders.h"
#include "base/out_buffer.h"
#include "base/registry_settings.h"
#include "platform/known_folders.h"
#include "platform/path_rule.h"

// The shell folders the suite keeps its data in.

int TK73_API AecrbsGetTK73AppDataFolder(char* out) {
    uint32_t userMode = 0;
    AecrbsGetTK73UserMode(&userMode);
    // User mode 2 keeps the register tool's data for every user of the machine.
    const bool common = AecrbsGetLaunchVekTool() == 0 && userMode == 2;
    return tk73::putPath(out, tk73::knownFolderPath(common ? tk73::KnownFolder::CommonAppData
                                                           : tk73::KnownFolder::LocalAppData));
}

int TK73_API AecrbsGetTK73UserDataFolder(char* out) {
    return tk73::putPath(out, tk73::knownFolderPath(tk73::KnownFolder::Documents));
}

int TK73_API AecrbsGetTK73BackUpDefaultFolder(char* out) {
    const std::string documents = tk73::knownFolderPath(tk73::KnownFolder::Documents);
    if (documents.empty()) {
        return tk73::putPath(out, "");
    }
    const char* backup =
        AecrbsGetLaunchVekTool() != 0 ? "KELVO\\VEKSTTL\\BACKUPDB" : "KELVO\\TK73TOOL\\BACKUPDB";
    return tk73::putPath(out, tk73::joinPath(documents, backup));
}
