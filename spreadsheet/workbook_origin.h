#pragma once
// The hidden sheet that names where a workbook's data comes from: the model whose program files
// its sheets hold, register or controller, and which sheet holds which program file. An import
// reads it to refuse another model's data and to find the sheet of a file; spreadsheet programs
// keep hidden sheets when they save in another format.
//
//   Model        KR150
//   Machine      register            (or "controller")
//   Sheet        File
//   PLU          4
//   Dept         5

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/sheet_cells.h"

namespace tk73sheet {

inline constexpr const char* kOriginSheet = "Setting tool data";

struct WorkbookOrigin {
    std::string model;                               // the model's indent name
    int kind = 0;                                    // 0 register, 1 controller
    std::vector<std::pair<std::string, int>> files;  // sheet name, program file number
};

// The rows of the hidden sheet, each a pair of cells.
std::vector<std::pair<std::string, std::string>> originRows(const WorkbookOrigin& origin);

// The origin the workbook's hidden sheet names; nullopt when it has none (a CSV file, or a
// workbook made elsewhere).
std::optional<WorkbookOrigin> originOf(const Workbook& workbook);

// "register" or "controller".
const char* machineName(int kind);

}  // namespace tk73sheet
