#include <optional>

#include "tools/defcheck/model_check.h"

namespace tk73tools {

namespace {

struct ItemPlace {
    const CheckedFile* file = nullptr;
    const LayoutField* field = nullptr;
};

// The characters of the item in one record of the default file.
std::string_view itemText(const ItemPlace& place, const MenuItem& item, int record) {
    return fieldText(*place.file, record, place.field->index)
        .substr(static_cast<size_t>(item.position - 1), static_cast<size_t>(item.span()));
}

bool readable(std::string_view text, ItemType type) {
    switch (type) {
        case ItemType::Digit:
            return text.find_first_not_of("0123456789") == std::string_view::npos;
        case ItemType::Hex:
        case ItemType::Bit:
            return text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
        case ItemType::Char:
            return text.find('"') == std::string_view::npos;
    }
    return false;
}

class MenuChecker {
  public:
    MenuChecker(ModelUnderCheck& model, int menu, Findings& findings)
        : model_(model), menu_(menu), findings_(findings) {}

    void run() {
        std::map<int, MenuItem> items = readMenu(*model_.definition, menu_, findings_);
        for (auto& [number, item] : items) {
            std::optional<ItemPlace> place = locate(item);
            if (place && recordsFit(item, *place, items) && valuesRead(item, *place)) {
                model_.menus[menu_][number] = item;
            }
        }
    }

  private:
    void report(const MenuItem& item, const char* suffix, const std::string& problem) {
        findings_.add(model_.definition->label(), menuSectionName(menu_),
                      itemKey(item.number, suffix), problem);
    }

    std::optional<ItemPlace> locate(const MenuItem& item) {
        if (!model_.hasFile(item.file)) {
            report(item, "_FILE", "file " + std::to_string(item.file) + " is not in PGMFILES");
            return std::nullopt;
        }
        auto file = model_.defaults.find(item.file);
        if (file == model_.defaults.end()) {
            return std::nullopt;  // its layout or default file is reported already
        }
        const LayoutField* field = file->second.layout.byNumber(item.field);
        if (!field) {
            report(item, "_FIELD",
                   "field " + std::to_string(item.field) + " is not a field of " +
                       fileSectionName(item.file));
            return std::nullopt;
        }
        if (item.position + item.span() - 1 > field->width) {
            report(item, "",
                   "ends at character " + std::to_string(item.position + item.span() - 1) +
                       ", past the end of field " + std::to_string(item.field) + " (" +
                       std::to_string(field->width) + " characters)");
            return std::nullopt;
        }
        return ItemPlace{&file->second, field};
    }

    int recordCount(const ItemPlace& place) const {
        return static_cast<int>(place.file->text.records.size());
    }

    bool recordsFit(MenuItem& item, const ItemPlace& place, const std::map<int, MenuItem>& items) {
        const int records = recordCount(place);
        switch (item.memory) {
            case Memory::Index:
                if (item.first + item.count - 1 > records) {
                    report(item, "_MEMORY",
                           "records " + std::to_string(item.first) + " to " +
                               std::to_string(item.first + item.count - 1) + " reach past the " +
                               std::to_string(records) + " records of " + place.file->label);
                    return false;
                }
                return true;
            case Memory::Count:
                item.count = std::min(item.count, records);
                return true;
            case Memory::Function:
                return functionFound(item, items);
        }
        return false;
    }

    // A function item needs item 0 of its menu to find the record holding its number.
    bool functionFound(MenuItem& item, const std::map<int, MenuItem>& items) {
        auto zero = items.find(0);
        std::optional<ItemPlace> place;
        if (zero == items.end() || zero->second.memory == Memory::Function ||
            !(place = locate(zero->second))) {
            report(item, "_MEMORY", "a function item needs a readable ITEM_000 in its menu");
            return false;
        }
        MenuItem search = zero->second;
        const int last = search.memory == Memory::Count
                             ? std::min(search.count, recordCount(*place))
                             : std::min(search.first + search.count - 1, recordCount(*place));
        for (int r = search.first; r <= last; ++r) {
            std::string_view text = itemText(*place, search, r);
            if (readable(text, ItemType::Digit) && std::stoi(std::string(text)) == item.function) {
                item.first = r;
                item.count = 1;
                return true;
            }
        }
        report(item, "_MEMORY",
               "function " + std::to_string(item.function) + " is in no record of ITEM_000");
        return false;
    }

    bool valuesRead(const MenuItem& item, const ItemPlace& place) {
        const int first = item.memory == Memory::Count ? 1 : item.first;
        for (int r = first; r < first + item.count; ++r) {
            if (!readable(itemText(place, item, r), item.type)) {
                report(item, "",
                       "reads no value of its type in record " + std::to_string(r) + " of " +
                           place.file->label);
                return false;
            }
        }
        return true;
    }

    ModelUnderCheck& model_;
    int menu_;
    Findings& findings_;
};

}  // namespace

void checkModelMenus(ModelUnderCheck& model, Findings& findings) {
    for (int menu : menuNumbers(*model.definition)) {
        MenuChecker(model, menu, findings).run();
    }
}

}  // namespace tk73tools
