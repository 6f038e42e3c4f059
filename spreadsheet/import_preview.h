#pragma once
// What importing a spreadsheet into a program file would do, worked out before anything is
// written: the fields that would change (record, field title, old and new value), the rows that
// are refused (the spreadsheet's own row number, the column's title and the reason) and the
// count of records that stay as they are. Rows are matched to records by the record number in
// their first column and columns to fields by their titles, so a sheet may be sorted and its
// columns moved; every value is checked as the editors check a typed one.
//
// Nothing is written until applyImport, and then all at once: every change, or (when the user
// chooses so) the changes of the rows that were not refused.

#include <string>
#include <vector>

#include "spreadsheet/program_sheet.h"
#include "spreadsheet/sheet_columns.h"

namespace tk73sheet {

struct FieldChange {
    int record = 0;
    int row = 0;           // the spreadsheet's row number
    size_t column = 0;     // into ImportPreview::columns
    std::string oldValue;  // as the sheet writes it (cell_values.h), in the code page
    std::string newValue;
    std::string oldShown;  // the field's characters as the editors show them now
    std::string stored;    // the characters to write
};

struct Refusal {
    int row = 0;
    std::string column;  // the column's title, in the code page
    std::string reason;  // in the code page
};

struct ImportPreview {
    std::string sheetName;  // in the code page
    std::vector<SheetColumn> columns;
    // The changes of the rows that can be taken, in row order.
    std::vector<FieldChange> changes;
    // In row order; a refused row changes nothing.
    std::vector<Refusal> refusals;
    int changedRecords = 0;
    int unchangedRecords = 0;
    // What the import passes over: columns that are no field of the file.
    std::vector<std::string> notes;
};

// Reads the spreadsheet file (.xlsx, .ods or CSV) and works out what it would change in the
// program file. false with the reason, in the code page, when there is nothing to preview: the
// file cannot be read, holds another model's data or no sheet of the file, or its sheet has no
// header row with the record number and at least one field.
[[nodiscard]] bool previewImport(const ProgramSheet& target, const std::string& sheetFile,
                                 ImportPreview& out, std::string& error);

enum class ApplyChoice { AllOrNothing, ValidRowsOnly };

// Writes the preview's changes into the program file, replacing it at once. With AllOrNothing a
// refused row writes nothing at all. false with the reason when nothing was written: a refusal,
// or a program file that changed since the preview or cannot be written.
[[nodiscard]] bool applyImport(const ProgramSheet& target, const ImportPreview& preview,
                               ApplyChoice choice, std::string& error);

}  // namespace tk73sheet
