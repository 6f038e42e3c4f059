// After the PLU file came back from a machine: a value of the PLU file's first item (menu 14,
// item 1) that is all "E" is how the machine marks a value it never set; the PC keeps zeros.

#include <string>

#include "archive/pack_archive.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr int kPluMenu = 14;
constexpr int kPluItem = 1;

}  // namespace

int CTK73packArchive::ConvertFILE004InitValue() {
    CPgmHandle handle;
    tagPGMITEMDEF item;
    if (handle.Open(m_definitionFile.c_str(), m_programFolder.c_str(), m_programFolder.c_str()) !=
            1 ||
        handle.GetItemDef(&item, kPluMenu, kPluItem, 1) != 1) {
        return 0;
    }
    PGMITEMDATAARRAY values(static_cast<size_t>(item.nRecordCount));
    if (handle.ReadItems(&item, 1, item.nFirstRecord, item.nRecordCount, &values, 0) != 1) {
        return 0;
    }
    const std::string unset(static_cast<size_t>(item.nWidth), 'E');
    const std::string zeros(static_cast<size_t>(item.nWidth), '0');
    bool changed = false;
    for (tagPGMITEMDATA& value : values) {
        if (item.nDataType == PGM_DATA_CHAR && value.text == unset) {
            value.text = zeros;
            changed = true;
        }
    }
    if (changed &&
        handle.WriteItems(&item, 1, item.nFirstRecord, item.nRecordCount, &values, 0) != 1) {
        return 0;
    }
    return 1;
}
