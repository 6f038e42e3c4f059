#pragma once
// Where the base fields (the fields that identify a record, "BASEFIELDS" of "FILE_IMPORT") lie
// in the record lines of a program file. Every program-view field is written in quotes at its
// display length, so with a record number of w digits the first value begins at character w + 2
// of a line and each further value its display length + 3 characters after the one before.

#include <vector>

class CTK73defReg;

namespace tk73pgm {

struct BaseFieldPlace {
    int fieldNo = 0;
    int offset = 0;  // of the value's first character in a record line
    int length = 0;  // the field's display length
};

// The base fields of the file's program view in record order, placed for record numbers of
// numberWidth digits; empty when the view has none.
std::vector<BaseFieldPlace> baseFieldTable(const CTK73defReg& definition, int fileNo,
                                           int numberWidth);

// The same fields in a line that holds only them, one after the other.
std::vector<BaseFieldPlace> packedBaseFields(const std::vector<BaseFieldPlace>& fields,
                                             int numberWidth);

}  // namespace tk73pgm
