#pragma once
// The record lines of a file to be imported, checked against the layout that the program file's
// definition gives them before anything is written: a file that a spreadsheet or an editor has
// put out of shape is refused, naming its first line that is not right by its number in the
// file and the field that is wrong there.

#include <string>
#include <vector>

class CTK73defReg;
class CTK73pgmPgmFileRW;

namespace tk73pgm {

// One field of a record line: its field number, its width in characters and whether it holds
// hexadecimal digits only (every field but a character field).
struct FieldShape {
    int fieldNo = 0;
    int width = 0;
    bool digits = false;
};

// The fields of the file's record layout ("FILE%04d") in record order; empty when the definition
// does not give the whole layout.
std::vector<FieldShape> recordShapes(const CTK73defReg& definition, int fileNo);

// Empty when every record line after the file's header lines is a record line of the fields:
// the record number with the first record's digits, counting up from 1; then each field
// enclosed in double quotes at its width, hexadecimal digits (0-9, A-F) where the field holds
// digits; the line ended by CR LF. Otherwise what is wrong with the first line that is not
// right, beginning "line N" (the file's lines counted from 1).
[[nodiscard]] std::string checkRecordLines(const CTK73pgmPgmFileRW& file,
                                           const std::vector<FieldShape>& fields);

}  // namespace tk73pgm
