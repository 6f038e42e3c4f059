#pragma once
// The export of program files into one .xlsx workbook: a sheet per file with a header row of
// the field titles, the record number first, one row per record, code and text fields as text
// cells (leading zeros kept), numbers in the field's unit with its decimal places, the header
// frozen, columns as wide as their values, and on every column the data validation of the
// definition, so that the spreadsheet itself refuses what the register cannot take. A hidden
// sheet names the model and which sheet holds which file (workbook_origin.h).

#include <string>
#include <vector>

#include "spreadsheet/program_sheet.h"

namespace tk73sheet {

// Writes the workbook to out (replacing it only once it is complete). false with the reason when
// a program file cannot be read or the workbook cannot be written; out is then as it was.
[[nodiscard]] bool exportWorkbook(const std::vector<ProgramSheet>& files, const std::string& out,
                                  std::string& error);

}  // namespace tk73sheet
