#pragma once
// The display setting of one file: its title in the file list, the title under its icon and
// whether the program view shows the icon at all.

#include <cstdint>
#include <string>
#include <vector>

#include "apps/detailtool/file_rows.h"
#include "definitions/def_reg.h"

namespace tk73dtl {

// The icon list with the file switched on or off. On, the file goes before the first larger
// number (at the end when none is larger), so an ascending list stays ascending; off, it leaves
// the list. A list that already says what is asked comes back unchanged.
std::vector<uint32_t> withIcon(const std::vector<uint32_t>& icons, int fileNo, bool shown);

// Writes what differs between the row as it was and as the user left it; false when a write of
// the definition copy failed (the rest is still tried).
bool storeDisplaySetting(const CTK73defReg& definition, const FileRow& before,
                         const FileRow& after);

}  // namespace tk73dtl
