#pragma once
// The record layout of one program file: its fields in record order with their byte sizes.
// The definition fills the file number, the fields and the record length; the code-page
// conversion of text program files completes the positions within a record line.

#include <cstdint>
#include <vector>

struct RECORD_FIELD_INFO {
    int fieldNo = 0;
    int size = 0;    // bytes in the register's record
    int isChar = 0;  // 1 for a character field
    int offset = 0;  // start within a record line
    int width = 0;   // bytes within a record line
};

struct Record_Information {
    uint32_t fileNo = 0;
    uint32_t recordLength = 0;  // the sum of the field sizes
    int firstRecordOffset = 0;  // offset of the first record line
    int lineLength = 0;         // a record line with its CR LF
    int recordNoWidth = 0;      // 4, 5 or 6 digits
    int recordCount = 0;
    uint32_t fieldCount = 0;
    std::vector<RECORD_FIELD_INFO> fields;
};
