#include "base/system_temp_folder.h"

#include "platform/known_folders.h"
#include "platform/path_rule.h"

namespace tk73 {

std::string systemTempFolder() {
    std::string folder = knownFolderPath(KnownFolder::Temp);
    if (!folder.empty() && !endsWithSeparator(folder)) {
        folder += pathSeparatorOf(folder);
    }
    return folder;
}

}  // namespace tk73
