#include "platform/installed_layout.h"

#include "platform/running_program.h"
#include "tk73_installed_layout.h"

namespace tk73 {

std::optional<std::string> installationRootOf(std::string_view programFolder) {
    constexpr std::string_view kInstalled = TK73_INSTALLED_PROGRAM_FOLDER;
    if (!programFolder.ends_with(kInstalled)) {
        return std::nullopt;
    }
    // The installed folder begins with a separator, so "/srv/myusr/lib/tk73" is no match; a
    // relative folder names no root.
    std::string_view root = programFolder.substr(0, programFolder.size() - kInstalled.size());
    if (!root.empty() && root.front() != '/') {
        return std::nullopt;
    }
    return std::string(root);
}

std::string installedMachineHive() {
    const std::optional<std::string> root = installationRootOf(runningProgramFolder());
    return root ? *root + TK73_INSTALLED_MACHINE_HIVE : std::string();
}

std::string installedSharedDataFolder() {
    return installationRootOf(runningProgramFolder()).value_or("") + TK73_INSTALLED_SHARED_DATA;
}

}  // namespace tk73
