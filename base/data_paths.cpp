#include "base/folder_tree.h"
#include "base/install_folders.h"
#include "base/out_buffer.h"
#include "base/registry_access.h"
#include "base/system_temp_folder.h"
#include "platform/path_rule.h"

// The database and temporary folders: names relative to the application data folder that the
// installation wrote into the machine hive.

namespace {

// Application data folder, separator, the named value, separator ("%s\%s\" with the separator
// of the application data folder).
int dataSubFolder(char* out, const char* valueName) {
    char appData[TK73_MAX_PATH];
    const std::string relative = tk73::readRootString(tk73::Hive::Machine, nullptr, valueName);
    if (AecrbsGetTK73AppDataFolder(appData) == 0 || relative.empty()) {
        return tk73::putPath(out, "");
    }
    std::string folder = tk73::joinPath(appData, relative);
    if (!tk73::endsWithSeparator(folder)) {
        folder += tk73::pathSeparatorOf(folder);
    }
    return tk73::putPath(out, folder);
}

}  // namespace

int TK73_API AecrbsGetTK73DataBasePath(char* out) {
    return dataSubFolder(out, "DataBasePath");
}

int TK73_API AecrbsGetTK73TempPath(char* out) {
    return dataSubFolder(out, "TempPath");
}

int TK73_API AecrbsGetTempPath(char* out) {
    char suiteTemp[TK73_MAX_PATH];
    if (AecrbsGetTK73TempPath(suiteTemp) == 0) {
        return tk73::putPath(out, tk73::systemTempFolder());
    }
    if (AecrbsMakeDirectory(suiteTemp) == 0) {
        return tk73::putPath(out, "");
    }
    return tk73::putPath(out, suiteTemp);
}
