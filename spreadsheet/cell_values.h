#pragma once
// How one field value becomes a cell and how a cell becomes a field value again, column kind by
// column kind, with every check the editors make of a typed value. Stored and shown values are
// bytes of the installation's code page; cells hold UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

#include "spreadsheet/sheet_cells.h"
#include "spreadsheet/sheet_columns.h"

namespace tk73sheet {

// What the export writes for a shown value: a number in the field's unit, or a text.
struct ExportCell {
    bool isNumber = false;
    double number = 0;
    std::string text;  // UTF-8
};

ExportCell exportCell(const SheetColumn& column, std::string_view shown,
                      const std::string& codePage);

// A cell read back: the value to store (the field's width) or why it cannot be stored.
struct ImportedValue {
    bool ok = false;
    std::string stored;
    std::string reason;  // in the code page
};

// shown is the field's value now, as the editors show it: a cell that still holds it exactly
// (a code or a number that was no plain number) gives it back unchanged.
ImportedValue importCell(const SheetColumn& column, const Cell& cell, std::string_view shown,
                         const std::string& codePage);

// The shown value as the sheet writes it, in the code page, for the preview: a text without its
// padding, a number with its decimal places.
std::string sheetForm(const SheetColumn& column, std::string_view shown);

}  // namespace tk73sheet
