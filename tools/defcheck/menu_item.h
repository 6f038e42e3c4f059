#pragma once
// One setting item of a "PGM_MENU_%03d" section, parsed from its keys as the program file
// handle resolves it: file, record range, type, position and width within the field, field.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/defcheck/finding.h"
#include "tools/defcheck/profile.h"

namespace tk73tools {

enum class Memory { Index, Count, Function };
enum class ItemType { Char, Digit, Bit, Hex };

struct MenuItem {
    int menu = 0;
    int number = 0;
    int file = 0;
    Memory memory = Memory::Index;
    int first = 1;     // first record (index items)
    int count = 1;     // records (index and count items)
    int function = 0;  // function number (function items)
    ItemType type = ItemType::Char;
    int position = 0;         // 1-based character position within the field
    int width = 0;            // characters; for bits the mask 1, 2, 4 or 8
    int field = 0;            // field number
    std::vector<int> values;  // "ITEM_%03d_VALUE"

    // Characters the item takes in its field (one for a bit).
    int span() const { return type == ItemType::Bit ? 1 : width; }
};

std::string menuSectionName(int menu);              // "PGM_MENU_%03d"
std::string itemKey(int item, const char* suffix);  // "ITEM_%03d" and a suffix

// Menu numbers of the definition's "PGM_MENU_%03d" sections, ascending.
std::vector<int> menuNumbers(const Profile& definition);
// Item numbers of a menu (every "ITEM_%03d_FILE" key), ascending.
std::vector<int> itemNumbers(const Profile& definition, int menu);

// Parses one item; each key that is missing or malformed becomes a finding (false).
bool readMenuItem(const Profile& definition, int menu, int number, MenuItem& item,
                  Findings& findings);

// Every item of a menu that parses, by item number.
std::map<int, MenuItem> readMenu(const Profile& definition, int menu, Findings& findings);

}  // namespace tk73tools
