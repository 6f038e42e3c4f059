#pragma once
// One field of a program file as the program view shows it.

#include <string>

// What a field holds, from the field lists of the definition.
enum FieldAttribute : int {
    FIELD_ATTR_PLAIN = 0,
    FIELD_ATTR_QTY = 1,
    FIELD_ATTR_CHAR = 2,
    FIELD_ATTR_PRICE = 3,
    FIELD_ATTR_BIT = 4,
    FIELD_ATTR_PLUCODE = 5,
};

struct FIELD_INFO {
    // Titles and masks hold at most this many characters.
    static constexpr size_t kMaxText = 256;

    int index = 0;  // n of the field's "F%02dN" key: its place in a record line
    int fieldNo = 0;
    int displayLength = 0;  // characters shown; 0 for data files
    int attribute = FIELD_ATTR_PLAIN;
    std::string title;
    int display = 0;
    int edit = 0;
    std::string mask;  // "F" marks a free position
    std::string extraText[3];
    int extraValue = 0;
};
