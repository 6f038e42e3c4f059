#include "apps/detailtool/display_setting.h"

#include <algorithm>

#include "definitions/def_file_inf.h"
#include "definitions/def_pgm_files.h"
#include "definitions/def_pgm_icon_title.h"
#include "definitions/kind_forms.h"

namespace tk73dtl {

std::vector<uint32_t> withIcon(const std::vector<uint32_t>& icons, int fileNo, bool shown) {
    const auto file = static_cast<uint32_t>(fileNo);
    std::vector<uint32_t> changed = icons;
    if (!shown) {
        changed.erase(std::remove(changed.begin(), changed.end(), file), changed.end());
        return changed;
    }
    if (std::find(changed.begin(), changed.end(), file) != changed.end()) {
        return changed;
    }
    const auto larger =
        std::find_if(changed.begin(), changed.end(), [file](uint32_t icon) { return icon > file; });
    changed.insert(larger, file);
    return changed;
}

bool storeDisplaySetting(const CTK73defReg& definition, const FileRow& before,
                         const FileRow& after) {
    bool stored = true;
    if (after.title != before.title) {
        tk73def::NeighbourSection<CTK73defRegVekPGMFILES> files(definition);
        stored = files.SetValue(after.fileNo, after.title.c_str()) == 1 && stored;
    }
    if (after.iconTitle != before.iconTitle) {
        tk73def::NeighbourSection<CTK73defRegVekPGMICONTITLE> icons(definition);
        stored = icons.SetValue(after.fileNo, after.iconTitle.c_str()) == 1 && stored;
    }
    if (after.shown != before.shown) {
        tk73def::NeighbourSection<CTK73defRegVekFILEINF> fileInf(definition);
        std::vector<uint32_t> icons;
        for (int index = 0; index < fileInf.GetPgmIconsValueCount(); ++index) {
            int icon = 0;
            fileInf.GetPgmIconsValueFromIndex(index, &icon);
            icons.push_back(static_cast<uint32_t>(icon));
        }
        stored =
            fileInf.SetPgmIconsValue(withIcon(icons, after.fileNo, after.shown)) == 1 && stored;
    }
    return stored;
}

}  // namespace tk73dtl
