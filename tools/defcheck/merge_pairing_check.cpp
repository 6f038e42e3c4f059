#include <utility>

#include "tools/defcheck/model_check.h"

namespace tk73tools {

namespace {

constexpr int kMergeMenu = 28;
constexpr int kMergeItems = 55;
constexpr int kTextLimit = 256;

// The merge group (the file that holds its items) of every menu 28 item.
int groupOf(int item) {
    if (item <= 6 || item == 52 || item == 53) {
        return 4;
    }
    if (item <= 8 || item == 54 || item == 55) {
        return 5;
    }
    if (item <= 10) {
        return 7;
    }
    if (item <= 13) {
        return 25;
    }
    if (item <= 29) {
        return 28;
    }
    return 26;
}

bool isName(int item) {
    return item == 1 || item == 7 || item == 9 || item == 14 || item == 30;
}

bool comparedAsText(int item) {
    return item == 2 || item == 3 || item == 8;
}

// Numbers travel as four bytes.
bool fitsFourBytes(const MenuItem& item) {
    switch (item.type) {
        case ItemType::Digit:
            return item.width <= 9;
        case ItemType::Hex:
            return item.width <= 8;
        case ItemType::Bit:
            return true;
        case ItemType::Char:
            return false;
    }
    return false;
}

class Pairing {
  public:
    Pairing(const ModelUnderCheck& reg, const ModelUnderCheck& vek, Findings& findings)
        : reg_(reg), vek_(vek), findings_(findings) {}

    void run() {
        for (int number = 1; number <= kMergeItems; ++number) {
            const MenuItem* r = find(reg_, number);
            const MenuItem* v = find(vek_, number);
            if (r && v) {
                pair(*r, *v);
            }
        }
    }

  private:
    const MenuItem* find(const ModelUnderCheck& model, int number) {
        auto menu = model.menus.find(kMergeMenu);
        if (menu != model.menus.end()) {
            auto item = menu->second.find(number);
            if (item != menu->second.end()) {
                return &item->second;
            }
        }
        if (!model.definition->has(menuSectionName(kMergeMenu), itemKey(number, "_FILE"))) {
            findings_.add(model.definition->label(), menuSectionName(kMergeMenu),
                          itemKey(number, "_FILE"), "missing; the merge needs items 1 to 55");
        }
        return nullptr;  // an item that does not resolve is reported by the menu check
    }

    void report(const ModelUnderCheck& side, int number, const char* suffix,
                const std::string& problem) {
        findings_.add(side.definition->label(), menuSectionName(kMergeMenu),
                      itemKey(number, suffix),
                      problem + " (paired with " + other(side).definition->label() + ")");
    }

    const ModelUnderCheck& other(const ModelUnderCheck& side) const {
        return &side == &reg_ ? vek_ : reg_;
    }

    void pair(const MenuItem& r, const MenuItem& v) {
        const int number = r.number;
        for (const auto& [side, item] : {std::pair(&reg_, &r), std::pair(&vek_, &v)}) {
            if (item->file != groupOf(number)) {
                report(*side, number, "_FILE",
                       "the merge group of this item is file " + std::to_string(groupOf(number)));
            }
            if (isName(number) && item->type != ItemType::Char) {
                report(*side, number, "", "a record name must be a text item");
            }
            if (item->type == ItemType::Char && item->width > kTextLimit) {
                report(*side, number, "", "texts of the merge hold at most 256 characters");
            }
            if (!isName(number) && !comparedAsText(number) && !fitsFourBytes(*item)) {
                report(*side, number, "", "must be a number that fits four bytes");
            }
        }
        if (isName(number) && r.width != v.width) {
            report(reg_, number, "", "names of both sides must have one width to compare equal");
        }
        if (r.memory != v.memory || r.first != v.first || r.count != v.count) {
            report(reg_, number, "_MEMORY", "the record range differs from the controller's");
        }
        if (groupOf(number) == 25 && (r.first != 1 || r.count != 4)) {
            report(reg_, number, "_MEMORY", "tax tables 1 to 4 are merged");
        }
        if (reg_.number == 301) {
            positionTables(r, v);
        }
    }

    // Model 301 copies items 3 and 8 at fixed character positions.
    void positionTables(const MenuItem& r, const MenuItem& v) {
        static const std::pair<int, std::pair<int, int>> needs[] = {{3, {12, 8}}, {8, {8, 4}}};
        for (const auto& [number, widths] : needs) {
            if (r.number == number && (r.width < widths.first || v.width < widths.second)) {
                report(reg_, number, "",
                       "model 301 needs " + std::to_string(widths.first) + " characters here and " +
                           std::to_string(widths.second) + " on the controller");
            }
        }
    }

    const ModelUnderCheck& reg_;
    const ModelUnderCheck& vek_;
    Findings& findings_;
};

}  // namespace

void checkMergePairing(const ModelUnderCheck& reg, const ModelUnderCheck& vek, Findings& findings) {
    Pairing(reg, vek, findings).run();
}

}  // namespace tk73tools
