#pragma once
// Telling the files an import takes apart by what they hold, whatever their names: a zip file
// with a workbook is .xlsx, one with an OpenDocument spreadsheet's mimetype is .ods, a text that
// begins like a program file (a title line "C" or a record number) is the suite's own CSV
// export, and any other text is a CSV file a spreadsheet saved.

#include <string>

#include "spreadsheet/sheet_cells.h"

namespace tk73sheet {

enum class SheetFileKind { Xlsx, Ods, ProgramCsv, SheetCsv, Unreadable };

SheetFileKind sheetFileKind(const std::string& path);

// Reads a spreadsheet file of any of the three spreadsheet kinds (a CSV file's one sheet takes
// csvSheetName); false with the reason when it cannot be read.
[[nodiscard]] bool readWorkbook(const std::string& path, const std::string& codePage,
                                const std::string& csvSheetName, Workbook& out, std::string& error);

}  // namespace tk73sheet
