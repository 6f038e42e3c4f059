#pragma once
// Reading, writing and matching one item's characters inside one field of a record line.
//
// The field's text is taken without its quotes; a quote inside it counts as a blank. Numbers are
// written with leading zeros to the item's full width and text is padded with blanks, so a write
// never changes the length of a line.

#include <cstddef>
#include <cstdint>
#include <string>

#include "programfiles/pgm_item_def.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

// The item's characters inside the field: first offset and count (one character for a bit
// item). 0 when the field holds fewer characters than the item needs.
int itemCharacters(const FieldSpan& field, const tagPGMITEMDEF& def, size_t& first, size_t& count);

// Reads the item's value from its characters at first. 0 when they do not hold a value of the
// item's type (a bit item on a character that is not a hexadecimal digit, a number beyond 64
// bits).
int readItemValue(const char* bytes, size_t first, const tagPGMITEMDEF& def, tagPGMITEMDATA& out);

// The characters that a write of value puts in place of the item's current characters
// (current: the item's characters in the file; before: the character in front of them in the
// field, or NUL at the field's start). 0 when the value does not fit the item: a number with
// more digits than its width, or a bit item on a character that is not a hexadecimal digit.
// Characters that would change the line's layout are written as blanks: quotes and line breaks,
// a comma in a field without quotes, and a comma right after a quote (which would end a quoted
// field).
int formatItemValue(const char* current, char before, const tagPGMITEMDEF& def,
                    const tagPGMITEMDATA& value, bool quotedField, std::string& out);

// The value that a search for a number in the item looks for: the number, and for a character
// item its decimal digits with leading zeros to the item's width.
tagPGMITEMDATA wantedNumber(const tagPGMITEMDEF& def, uint64_t number);

// Whether the item's characters at first match the wanted value: 1 match, 0 no match, -1 when
// the characters or the wanted value cannot be compared (as for readItemValue, or a wanted
// number wider than the item).
int matchItemValue(const char* bytes, size_t first, const tagPGMITEMDEF& def,
                   const tagPGMITEMDATA& wanted, bool ignoreCase);

}  // namespace tk73pgm
