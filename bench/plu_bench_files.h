#pragma once
// A store for the program file benchmark: a definition file whose menu 14 describes a PLU file
// of a register model, and that PLU file (file 4) with many records.

#include <string>

namespace tk73bench {

// The menu 14 items of the definition: 1 code, 2 name, 3 price, 4 department, 5 a status bit,
// 6 the status digits in hexadecimal, over records 1 to records.
enum PluItem { kCode = 1, kName, kPrice, kDepartment, kStatusBit, kStatus };

struct PluStore {
    std::string definitionFile;
    std::string mainteFolder;
    std::string pluFile;
    long long pluFileSize = 0;
};

// Writes the definition file and the PLU file into folder; false when a file cannot be written.
bool writePluStore(const std::string& folder, int records, PluStore& store);

// The PLU code that record holds; every record's code is different.
std::string pluCode(int record);

}  // namespace tk73bench
