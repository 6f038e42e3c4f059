#include "spreadsheet/workbook_origin.h"

#include <cstdlib>

namespace tk73sheet {

namespace {

const std::string& cellText(const SheetRow& row, size_t column) {
    static const std::string none;
    return column < row.cells.size() ? row.cells[column].text : none;
}

}  // namespace

const char* machineName(int kind) {
    return kind == 1 ? "controller" : "register";
}

std::vector<std::pair<std::string, std::string>> originRows(const WorkbookOrigin& origin) {
    std::vector<std::pair<std::string, std::string>> rows = {
        {"Model", origin.model}, {"Machine", machineName(origin.kind)}, {"Sheet", "File"}};
    for (const auto& [sheet, fileNo] : origin.files) {
        rows.emplace_back(sheet, std::to_string(fileNo));
    }
    return rows;
}

std::optional<WorkbookOrigin> originOf(const Workbook& workbook) {
    for (const Sheet& sheet : workbook.sheets) {
        if (sheet.name != kOriginSheet) {
            continue;
        }
        WorkbookOrigin origin;
        bool files = false;
        for (const SheetRow& row : sheet.rows) {
            const std::string& name = cellText(row, 0);
            const std::string& value = cellText(row, 1);
            if (files) {
                origin.files.emplace_back(name, std::atoi(value.c_str()));
            } else if (name == "Model") {
                origin.model = value;
            } else if (name == "Machine") {
                origin.kind = value == machineName(1) ? 1 : 0;
            } else if (name == "Sheet") {
                files = true;
            }
        }
        return origin;
    }
    return std::nullopt;
}

}  // namespace tk73sheet
