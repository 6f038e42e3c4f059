#include "operations/card_paths.h"

#include "archive/archive_files.h"
#include "definitions/def_reg.h"

namespace tk73ops {

std::string CardArchivePath(const std::string& card, const std::string& indentName, int storeNo) {
    const CTK73defReg definition(indentName.c_str(), storeNo, 0);
    const std::string folder = definition.GetKeyValueString("SDCARD", "FOLDER_AUTOPGM");
    const std::string name = definition.GetKeyValueString("SDCARD", "AUTOPGM_0092P");
    if (folder.empty() || name.empty()) {
        return {};
    }
    return tk73pack::inFolder(card + folder, name);
}

std::string CardLogoFolder(const std::string& card, const std::string& indentName, int storeNo) {
    return card + CTK73defReg(indentName.c_str(), storeNo, 0)
                      .GetKeyValueString("SDCARD_LOGO", "FOLDER_LOGO");
}

}  // namespace tk73ops
