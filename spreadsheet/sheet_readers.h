#pragma once
// Reading the spreadsheet files a shop owner's spreadsheet program saves: .xlsx, .ods and CSV.
// Each reader hands over every sheet with its values; what they mean is the import's business.

#include <string>

#include "spreadsheet/sheet_cells.h"

namespace tk73sheet {

// Reading stops with an error beyond this many rows, so that a damaged or hostile file (a row
// repeated a million times) cannot take the machine's memory.
inline constexpr int kMaxSheetRows = 1048576;
inline constexpr int kMaxSheetColumns = 16384;

// Each answers false with the reason, in English, when the file is not of its kind or is damaged.
[[nodiscard]] bool readXlsx(const std::string& path, Workbook& out, std::string& error);
[[nodiscard]] bool readOds(const std::string& path, Workbook& out, std::string& error);
// A CSV file as a spreadsheet saves it: comma, semicolon or tab between values, quoted or not,
// UTF-8 with or without its byte order mark, or else the code page's bytes. One sheet, named
// sheetName.
[[nodiscard]] bool readSheetCsv(const std::string& bytes, const std::string& codePage,
                                const std::string& sheetName, Workbook& out, std::string& error);

}  // namespace tk73sheet
