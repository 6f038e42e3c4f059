#pragma once
// The header row of a sheet matched to a program file's columns by title: blanks around a title
// and the letter case do not count, so a sheet whose columns were moved, or whose titles were
// retyped, still finds its fields.

#include <optional>
#include <string>
#include <vector>

#include "spreadsheet/sheet_cells.h"
#include "spreadsheet/sheet_columns.h"

namespace tk73sheet {

struct HeaderMap {
    std::optional<size_t> recordCell;  // the cell of the record number
    // Per program file column: the cell that holds it, if any.
    std::vector<std::optional<size_t>> fieldCells;
    // Titles (UTF-8) of cells that name nothing of the file, or name it a second time.
    std::vector<std::string> unknown;
    std::vector<std::string> repeated;
};

// Titles of the columns are in the code page; the header's cells in UTF-8.
HeaderMap mapHeader(const SheetRow& header, const std::vector<SheetColumn>& columns,
                    const std::string& codePage);

}  // namespace tk73sheet
