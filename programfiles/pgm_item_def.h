#pragma once
// A setting item resolved to its place in a program file, and one value of an item in one record.

#include <cstdint>
#include <string>
#include <vector>

// Memory types ("ITEM_%03d_MEMORY").
inline constexpr int PGM_MEMORY_INDEX = 0;
inline constexpr int PGM_MEMORY_COUNT = 1;
inline constexpr int PGM_MEMORY_FUNC = 2;

// Data types ("ITEM_%03d").
inline constexpr int PGM_DATA_CHAR = 0;
inline constexpr int PGM_DATA_DIGIT = 1;
inline constexpr int PGM_DATA_BIT = 2;
inline constexpr int PGM_DATA_HEX = 3;

// The file number that marks an item entry to pass over.
inline constexpr int PGM_ITEM_UNUSED = -1;

struct tagPGMITEMDEF {
    int32_t nFileNo = PGM_ITEM_UNUSED;
    int32_t nMemoryType = PGM_MEMORY_INDEX;
    // First record of the item's range (1-based) and the number of records in it.
    int32_t nFirstRecord = 0;
    int32_t nRecordCount = 0;
    // 1-based position of the field within the record (field 1 follows the record number).
    int32_t nFieldIndex = 0;
    int32_t nDataType = PGM_DATA_CHAR;
    // 1-based character position within the field, and the item's characters; for a bit item
    // the width is the bit number 1 to 4 within the hexadecimal digit at the position.
    int32_t nPosition = 0;
    int32_t nWidth = 0;
    // "ITEM_%03d_MEAN" (0 when absent), for the editors.
    int32_t nMean = 0;
    int32_t nMenuNo = 0;
};

struct tagPGMITEMDATA {
    // The value of a character item.
    std::string text;
    // The value of a digit, hexadecimal or bit item.
    uint64_t value = 0;
    // Character item: the room given for the text in bytes, its terminator included (0: the
    // item's width). Number: 8, or 4 when the high half is 0 after a read; 0 after a read of a
    // record whose characters hold a number too wide for 64 bits (the value is then 0).
    int32_t length = 0;
    // The record the value was read from.
    int32_t record = 0;
};

// The values of one item over several records.
using PGMITEMDATAARRAY = std::vector<tagPGMITEMDATA>;
