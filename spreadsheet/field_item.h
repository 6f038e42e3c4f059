#pragma once
// What the definition's setting items say about a whole field of a program file. The editors'
// menus ("PGM_MENU_%03d") name items by file, field, character position and width; an item that
// takes a field from its first character over its whole width speaks for the field: its decimal
// places ("ITEM_%03d_MEAN" of a digit item), the numbers the register takes ("ITEM_%03d_RANGE"),
// the values it offers ("ITEM_%03d_VALUE") and whether records must differ in it
// ("ITEM_%03d_UNIQUE").

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk73sheet {

struct FieldItem {
    int dataType = 0;  // PGM_DATA_CHAR, PGM_DATA_DIGIT or PGM_DATA_HEX
    int decimals = 0;
    std::optional<std::pair<uint64_t, uint64_t>> range;
    std::vector<uint64_t> values;
    bool unique = false;
};

// The items of every menu of the definition file that take whole fields, by file and field.
class FieldItems {
  public:
    explicit FieldItems(const std::string& definitionFile);

    // The first such item (in menu order) of the field of that width; nullopt when none.
    std::optional<FieldItem> Find(int fileNo, int fieldNo, int width) const;

  private:
    struct Entry {
        int fileNo;
        int fieldNo;
        int width;
        FieldItem item;
    };
    std::vector<Entry> entries_;
};

}  // namespace tk73sheet
