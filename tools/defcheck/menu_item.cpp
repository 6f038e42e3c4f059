#include "tools/defcheck/menu_item.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "tools/defcheck/number_list.h"

namespace tk73tools {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::optional<ItemType> typeNamed(const std::string& name) {
    const std::string type = upper(name);
    if (type == "CHAR") {
        return ItemType::Char;
    }
    if (type == "DIGIT") {
        return ItemType::Digit;
    }
    if (type == "BIT") {
        return ItemType::Bit;
    }
    if (type == "HEX") {
        return ItemType::Hex;
    }
    return std::nullopt;
}

bool readMemory(const std::vector<std::string>& tokens, MenuItem& item) {
    const std::string keyword = upper(tokens[0]);
    std::vector<std::optional<int>> numbers;
    for (size_t i = 1; i < tokens.size(); ++i) {
        numbers.push_back(parseNumber(tokens[i]));
    }
    auto valid = [](const std::optional<int>& n) { return n && *n >= 1; };
    if (keyword == "INDEX" && (numbers.size() == 1 || numbers.size() == 2) &&
        std::all_of(numbers.begin(), numbers.end(), valid)) {
        item.memory = Memory::Index;
        item.first = *numbers[0];
        item.count = numbers.size() == 2 ? *numbers[1] : 1;
        return true;
    }
    if (keyword == "COUNT" && numbers.size() == 1 && valid(numbers[0])) {
        item.memory = Memory::Count;
        item.count = *numbers[0];
        return true;
    }
    if (keyword == "FUNC" && numbers.size() == 1 && valid(numbers[0])) {
        item.memory = Memory::Function;
        item.function = *numbers[0];
        return true;
    }
    return false;
}

bool readShape(const std::vector<std::string>& tokens, MenuItem& item) {
    std::optional<ItemType> type = typeNamed(tokens[0]);
    if (!type || tokens.size() != 3 || tokens[1].size() < 2 ||
        (tokens[1][0] != 'D' && tokens[1][0] != 'd')) {
        return false;
    }
    std::optional<int> position = parseNumber(tokens[1].substr(1));
    std::optional<int> width = parseNumber(tokens[2]);
    if (!position || *position < 1 || !width || *width < 1) {
        return false;
    }
    if (*type == ItemType::Bit && *width != 1 && *width != 2 && *width != 4 && *width != 8) {
        return false;
    }
    item.type = *type;
    item.position = *position;
    item.width = *width;
    return true;
}

}  // namespace

std::string menuSectionName(int menu) {
    char name[24];
    std::snprintf(name, sizeof name, "PGM_MENU_%03d", menu);
    return name;
}

std::string itemKey(int item, const char* suffix) {
    char key[32];
    std::snprintf(key, sizeof key, "ITEM_%03d%s", item, suffix);
    return key;
}

std::vector<int> menuNumbers(const Profile& definition) {
    std::vector<int> menus;
    for (const std::string& section : definition.sections()) {
        if (section.size() == 12 && upper(section).starts_with("PGM_MENU_")) {
            if (std::optional<int> menu = parseNumber(section.substr(9))) {
                menus.push_back(*menu);
            }
        }
    }
    std::sort(menus.begin(), menus.end());
    return menus;
}

std::vector<int> itemNumbers(const Profile& definition, int menu) {
    std::vector<int> items;
    for (const std::string& key : definition.keys(menuSectionName(menu))) {
        std::string name = upper(key);
        if (name.size() == 13 && name.starts_with("ITEM_") && name.ends_with("_FILE")) {
            if (std::optional<int> item = parseNumber(name.substr(5, 3))) {
                items.push_back(*item);
            }
        }
    }
    std::sort(items.begin(), items.end());
    return items;
}

bool readMenuItem(const Profile& definition, int menu, int number, MenuItem& item,
                  Findings& findings) {
    item = MenuItem{};
    item.menu = menu;
    item.number = number;
    const std::string section = menuSectionName(menu);
    auto fail = [&](const char* suffix, const std::string& problem) {
        findings.add(definition.label(), section, itemKey(number, suffix), problem);
        return false;
    };
    std::optional<int> file = parseNumber(definition.text(section, itemKey(number, "_FILE")));
    if (!file || *file < 1) {
        return fail("_FILE", "missing or not a file number");
    }
    item.file = *file;
    if (!readMemory(splitCommas(definition.text(section, itemKey(number, "_MEMORY"))), item)) {
        return fail("_MEMORY", "not \"INDEX,first[,count]\", \"COUNT,n\" or \"FUNC,n\"");
    }
    if (!readShape(splitCommas(definition.text(section, itemKey(number, ""))), item)) {
        return fail("", "not \"CHAR|DIGIT|BIT|HEX,D<position>,<width>\" (bit width 1, 2, 4 or 8)");
    }
    std::optional<int> field = parseNumber(definition.text(section, itemKey(number, "_FIELD")));
    if (!field || *field < 1) {
        return fail("_FIELD", "missing or not a field number");
    }
    item.field = *field;
    if (std::optional<std::string> mean = definition.value(section, itemKey(number, "_MEAN"))) {
        if (!parseNumber(*mean)) {
            return fail("_MEAN", "not a number");
        }
    }
    if (std::optional<std::string> values = definition.value(section, itemKey(number, "_VALUE"))) {
        std::optional<std::vector<int>> list = parseNumberList(*values);
        if (!list || list->empty()) {
            return fail("_VALUE", "not a list of numbers");
        }
        item.values = *list;
    }
    return true;
}

std::map<int, MenuItem> readMenu(const Profile& definition, int menu, Findings& findings) {
    std::map<int, MenuItem> items;
    for (int number : itemNumbers(definition, menu)) {
        MenuItem item;
        if (readMenuItem(definition, menu, number, item, findings)) {
            items[number] = item;
        }
    }
    return items;
}

}  // namespace tk73tools
