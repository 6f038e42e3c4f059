#pragma once
// One program file of a store as the spreadsheet exchange sees it: where its definition and
// bytes are, and the names that tell it in a workbook.

#include <string>

namespace tk73sheet {

struct ProgramSheet {
    std::string definitionFile;  // the store's copy of the model's definition
    int kind = 0;                // 0 register, 1 controller
    std::string model;           // the model's indent name ("KR150")
    int fileNo = 0;
    std::string title;  // the file's title ("PGMFILES"), in the code page
    std::string path;   // the program file ("FILE004P.TXT")
};

// The program file at path, its title read from the definition.
ProgramSheet programSheet(const std::string& definitionFile, int kind, const std::string& model,
                          int fileNo, const std::string& path);

}  // namespace tk73sheet
