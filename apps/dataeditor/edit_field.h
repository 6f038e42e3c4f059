#pragma once
// One column of the data editor: a field of the file's program view as the definitions describe
// it, with the rules that decide how its value is shown, typed and stored.

#include <string>

#include "definitions/field_info.h"

namespace tk73edit {

struct EditField {
    int index = 0;  // n of the field's "F%02dN" key: its item among the commas of a record line
    int fieldNo = 0;
    int width = 0;  // display length in characters
    int attribute = FIELD_ATTR_PLAIN;
    std::string title;
    bool editable = true;
    std::string mask;  // "F" marks a free position
    bool barCode = false;

    bool isCharacter() const { return attribute == FIELD_ATTR_CHAR; }
    bool isPrice() const { return attribute == FIELD_ATTR_PRICE; }
    bool isItemCode() const { return attribute == FIELD_ATTR_PLUCODE; }
    // What fills a position that holds nothing: a blank in a character field, "0" elsewhere.
    char filler() const { return isCharacter() ? ' ' : '0'; }
};

}  // namespace tk73edit
