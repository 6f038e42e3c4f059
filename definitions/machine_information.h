#pragma once
// One machine model of the system settings file: the numbers, names and codes by which the
// other parts identify it.

#include <string>

struct Machine_Information {
    int modelNo = 0;
    std::string indentName;  // also the name of the model's definition folder and file
    std::string modelName;   // shown in model selection lists
    int modelAttribute = 0;  // kept in one byte of store records
    std::string modelText;
    std::string rmCode;    // the model's code in archives and on the LAN
    int archiveValue = 0;  // copied into archive model data
    int idCode = 0;        // one-byte identification code; its low byte counts

    void Clear() { *this = Machine_Information(); }
};
