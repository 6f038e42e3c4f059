#pragma once
// The main list of the detail tool: one row per file of the definition's "PGMFILES", in the
// list's order, with its number, title, icon title and whether the program view shows its icon.

#include <string>
#include <vector>

#include "definitions/def_reg.h"

namespace tk73dtl {

struct FileRow {
    int fileNo = 0;
    std::string title;      // "PGMFILES"
    std::string iconTitle;  // "PGMICONTITLE"
    bool shown = false;     // listed in "PGMICONS"
};

std::vector<FileRow> readFileRows(const CTK73defReg& definition);

// "%03d": the file number as the list shows it.
std::string fileNumberText(int fileNo);

}  // namespace tk73dtl
