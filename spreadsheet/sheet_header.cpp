#include "spreadsheet/sheet_header.h"

#include "platform/code_page.h"

namespace tk73sheet {

namespace {

// The title as it is compared: blanks around it removed, ASCII letters in lower case.
std::string titleKey(const std::string& title) {
    const size_t first = title.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    std::string key = title.substr(first, title.find_last_not_of(" \t") - first + 1);
    for (char& c : key) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

}  // namespace

HeaderMap mapHeader(const SheetRow& header, const std::vector<SheetColumn>& columns,
                    const std::string& codePage) {
    HeaderMap map;
    map.fieldCells.resize(columns.size());
    std::vector<std::string> keys;
    for (const SheetColumn& column : columns) {
        keys.push_back(titleKey(tk73::toUtf8(column.title, codePage)));
    }
    const std::string recordKey = titleKey(kRecordTitle);
    for (size_t cell = 0; cell < header.cells.size(); ++cell) {
        const std::string& title = header.cells[cell].text;
        const std::string key = titleKey(title);
        if (key.empty()) {
            continue;
        }
        if (key == recordKey) {
            if (map.recordCell) {
                map.repeated.push_back(title);
            } else {
                map.recordCell = cell;
            }
            continue;
        }
        // Two fields of one title take the cells of that title in turn.
        bool taken = false;
        bool known = false;
        for (size_t i = 0; i < columns.size() && !taken; ++i) {
            if (keys[i] == key) {
                known = true;
                if (!map.fieldCells[i]) {
                    map.fieldCells[i] = cell;
                    taken = true;
                }
            }
        }
        if (!taken) {
            (known ? map.repeated : map.unknown).push_back(title);
        }
    }
    return map;
}

}  // namespace tk73sheet
