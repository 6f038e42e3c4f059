#pragma once
// The values of a setting item's keys in the definition file ("PGM_MENU_%03d"), parsed into the
// resolved item.

#include <string_view>

#include "programfiles/pgm_item_def.h"

namespace tk73pgm {

// The highest record number a program file can have.
inline constexpr int kLastRecord = 999999;

// "ITEM_%03d_MEMORY": "INDEX,first[,count]", "COUNT,count" or "FUNC,function". Sets the memory
// type, first record and record count; 0 for an unknown keyword or a missing or invalid number.
// Record numbers have at most six digits: a first record or function number beyond
// kLastRecord is invalid, and a count is cut where the range would pass kLastRecord, so that
// first record + count never overflows.
[[nodiscard]] int parseItemMemory(std::string_view text, tagPGMITEMDEF& def);

// "ITEM_%03d": "type,D<position>,width" with type CHAR, DIGIT, BIT or HEX (any letter case).
// For BIT the width is a bit mask (1, 2, 4 or 8) and becomes the number of its lowest set bit.
// Sets data type, position and width; 0 when a token is missing or invalid.
[[nodiscard]] int parseItemLayout(std::string_view text, tagPGMITEMDEF& def);

}  // namespace tk73pgm
