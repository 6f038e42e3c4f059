#pragma once
// What a spreadsheet file holds, as the readers hand it over: sheets of rows of cells. Texts are
// UTF-8 here, as every spreadsheet file keeps them; the import turns them into the
// installation's code page column by column, where each column's rules say how.

#include <string>
#include <vector>

namespace tk73sheet {

struct Cell {
    enum class Type { Empty, Text, Number, Boolean, Date };
    Type type = Type::Empty;
    // Text: the text. Number: the number as the file writes it ("4.29", "1E-3"; a spreadsheet's
    // CSV file may write "4,29"). Boolean: "TRUE" or "FALSE". Date: "2024-05-01" (with the time
    // after a blank when it has one).
    std::string text;

    bool empty() const { return type == Type::Empty || (type == Type::Text && text.empty()); }
};

struct SheetRow {
    int number = 0;  // the row number the spreadsheet shows (1 is the first row)
    std::vector<Cell>
        cells;  // column A first; cells after the last one that holds a value are left out
};

struct Sheet {
    std::string name;
    bool hidden = false;
    std::vector<SheetRow> rows;  // in row order; rows without any value are left out
};

struct Workbook {
    std::vector<Sheet> sheets;
};

}  // namespace tk73sheet
