#pragma once
// The columns of a program file's sheet: the fields of the file's program view that the data
// editor shows, in record order, each with what a cell of it may hold. Titles are the field
// titles of the definition, the ones the editors show.

#include <cstdint>
#include <string>
#include <vector>

namespace tk73sheet {

enum class ColumnKind {
    Text,    // a character field: any text of the code page, padded with blanks
    Number,  // decimal digits: a number in the field's unit, with its decimal places
    Code     // digits kept as they stand: item codes, flags and plain fields (hexadecimal)
};

struct SheetColumn {
    int index = 0;  // the field's place among the commas of a record line
    int fieldNo = 0;
    std::string title;  // in the code page, blanks around it removed
    int width = 0;      // characters (bytes) of the value
    ColumnKind kind = ColumnKind::Code;
    bool itemCode = false;    // an item code: hexadecimal digits kept in upper case
    bool barCode = false;     // a bar code, whose unset positions show "E"
    bool digitsOnly = false;  // a code of decimal digits (a price too wide for a number)
    // Number columns: decimal places, the stored numbers the register takes (inclusive) and,
    // when the definition lists them, the only values it offers.
    int decimals = 0;
    uint64_t lowest = 0;
    uint64_t highest = 0;
    std::vector<uint64_t> choices;
    bool editable = true;
    std::string mask;  // "F" marks a position that may change
    bool unique = false;
};

// The title of the first column, which holds the record number.
inline constexpr const char* kRecordTitle = "Record";

// The columns of the program file in the definition file (kind 0 a register model's, 1 a
// controller's); empty when its program view shows no field.
std::vector<SheetColumn> sheetColumns(const std::string& definitionFile, int kind, int fileNo);

// The highest number of the width's decimal digits (99999999 for 8).
uint64_t widestNumber(int digits);

}  // namespace tk73sheet
