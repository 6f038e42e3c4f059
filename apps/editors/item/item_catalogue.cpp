#include "apps/editors/item/item_catalogue.h"

#include <map>
#include <string>
#include <utility>

namespace tk73item {

namespace {

using Key = std::pair<int, int>;

// How a price is taken at the register: the preset price, an open (typed) price, or both.
ItemMeaning priceEntry(const std::string& label) {
    return {label, {"Preset", "Open", "Preset and open"}, {0, 1, 2}};
}

ItemMeaning plain(const std::string& label) {
    return {label, {}, {}};
}

// Which tax an item is taxed by: none, or one of the register's four taxes.
ItemMeaning taxCalculation() {
    return {"Tax calculation", {"Not taxed", "Tax 1", "Tax 2", "Tax 3", "Tax 4"}, {0, 1, 2, 3, 4}};
}

// The tax table an item follows: none, or one of the ten tables.
ItemMeaning taxTable() {
    ItemMeaning meaning{"Tax table", {"No tax table"}, {0}};
    for (int table = 1; table <= 10; ++table) {
        meaning.kinds.push_back("Tax table " + std::to_string(table));
        meaning.builtInValues.push_back(table);
    }
    return meaning;
}

std::map<Key, ItemMeaning> makeCatalogue() {
    std::map<Key, ItemMeaning> catalogue;
    const auto add = [&](int menu, int item, ItemMeaning meaning) {
        catalogue.emplace(Key{menu, item}, std::move(meaning));
    };
    // Department (menu 1).
    add(1, 0, plain("Code"));
    add(1, 1, plain("Name"));
    add(1, 2, plain("High Amount Limit"));
    add(1, 3, taxCalculation());
    add(1, 4, plain("Single item"));
    add(1, 5, priceEntry("Price entry"));
    add(1, 6, plain("Negative price"));
    add(1, 7, plain("Group link"));
    add(1, 10, taxTable());
    add(1, 11, plain("Preset price"));
    add(1, 12, plain("Kitchen printer"));
    // PLU (menu 14).
    add(14, 1, plain("PLU code"));
    add(14, 2, plain("Name"));
    add(14, 3, plain("Unit price"));
    add(14, 4, plain("Dept link"));
    add(14, 5, plain("Group link"));
    add(14, 6, plain("Second price"));
    add(14, 7, priceEntry("Open PLU"));
    add(14, 8, plain("Single item"));
    add(14, 9, plain("Negative price"));
    add(14, 10, plain("Link PLU"));
    add(14, 11, plain("Condiment PLU"));
    add(14, 12, plain("Stock quantity"));
    add(14, 15, taxCalculation());
    add(14, 17, plain("NFP"));
    add(14, 18, plain("Kitchen printer"));
    add(14, 19, taxTable());
    // Group (menu 15).
    add(15, 1, plain("Name"));
    // Scanning PLU (menu 16).
    add(16, 1, plain("Scanning code"));
    add(16, 2, plain("Name"));
    add(16, 3, plain("Unit price"));
    add(16, 4, plain("Dept link"));
    add(16, 5, plain("Record age"));
    return catalogue;
}

}  // namespace

const ItemMeaning* findItemMeaning(int menuNo, int itemNo) {
    static const std::map<Key, ItemMeaning> catalogue = makeCatalogue();
    const auto found = catalogue.find(Key{menuNo, itemNo});
    return found == catalogue.end() ? nullptr : &found->second;
}

}  // namespace tk73item
