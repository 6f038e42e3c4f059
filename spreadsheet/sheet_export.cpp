#include "spreadsheet/sheet_export.h"

#include <xlsxwriter.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "base/install_folders.h"
#include "platform/api.h"
#include "platform/code_page.h"
#include "spreadsheet/cell_values.h"
#include "spreadsheet/decimal_number.h"
#include "spreadsheet/program_records.h"
#include "spreadsheet/workbook_origin.h"

namespace tk73sheet {

namespace {

// Sheet names: at most 31 characters, none of []:*?/\ .
constexpr size_t kMaxSheetName = 31;
// Excel keeps a list validation's values in at most 255 characters.
constexpr size_t kMaxListText = 255;
constexpr double kMaxColumnWidth = 60;

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

// A sheet name the workbook takes: the file's title without the characters a sheet name may
// not hold, cut to the length it may have, and not the name of an earlier sheet.
std::string sheetName(const ProgramSheet& file, const std::string& codePage,
                      std::set<std::string>& taken) {
    std::string base = tk73::toUtf8(file.title, codePage);
    for (char& c : base) {
        if (std::string_view("[]:*?/\\").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    if (base.find_first_not_of(' ') == std::string::npos || base == kOriginSheet) {
        char fallback[32];
        std::snprintf(fallback, sizeof fallback, "File %03d", file.fileNo);
        base = fallback;
    }
    // Cut at a character's start, never inside a UTF-8 sequence.
    const auto cut = [](std::string text, size_t length) {
        if (text.size() > length) {
            text.resize(length);
            while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
                text.pop_back();
            }
            if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0) {
                text.pop_back();
            }
        }
        return text;
    };
    std::string name = cut(base, kMaxSheetName);
    for (int n = 2; taken.count(name) != 0; ++n) {
        const std::string suffix = " (" + std::to_string(n) + ")";
        name = cut(base, kMaxSheetName - suffix.size()) + suffix;
    }
    taken.insert(name);
    return name;
}

class WorkbookWriter {
  public:
    WorkbookWriter(lxw_workbook* workbook, const std::string& codePage)
        : workbook_(workbook), codePage_(codePage) {
        header_ = workbook_add_format(workbook);
        format_set_bold(header_);
        text_ = workbook_add_format(workbook);
        format_set_num_format(text_, "@");
    }

    bool AddSheet(const ProgramSheet& file, const std::string& name, std::string& error);
    void AddOrigin(const WorkbookOrigin& origin);

  private:
    lxw_format* NumberFormat(int decimals);
    static void ValidateRecords(lxw_worksheet* sheet, int records);
    void Validate(lxw_worksheet* sheet, lxw_col_t col, const SheetColumn& column, int records);

    lxw_workbook* workbook_;
    const std::string& codePage_;
    lxw_format* header_;
    lxw_format* text_;
    std::map<int, lxw_format*> numbers_;
};

lxw_format* WorkbookWriter::NumberFormat(int decimals) {
    lxw_format*& format = numbers_[decimals];
    if (format == nullptr) {
        format = workbook_add_format(workbook_);
        format_set_num_format(
            format,
            decimals > 0 ? ("0." + std::string(static_cast<size_t>(decimals), '0')).c_str() : "0");
    }
    return format;
}

void WorkbookWriter::ValidateRecords(lxw_worksheet* sheet, int records) {
    std::string title = kRecordTitle;
    std::string message = "A record number from 1 to " + std::to_string(records) + ".";
    lxw_data_validation rule = {};
    rule.validate = LXW_VALIDATION_TYPE_INTEGER;
    rule.criteria = LXW_VALIDATION_CRITERIA_BETWEEN;
    rule.minimum_number = 1;
    rule.maximum_number = records;
    rule.error_type = LXW_VALIDATION_ERROR_TYPE_STOP;
    rule.error_title = title.data();
    rule.error_message = message.data();
    worksheet_data_validation_range(sheet, 1, 0, static_cast<lxw_row_t>(records), 0, &rule);
}

void WorkbookWriter::Validate(lxw_worksheet* sheet, lxw_col_t col, const SheetColumn& column,
                              int records) {
    lxw_data_validation rule = {};
    std::string message;
    std::vector<std::string> choices;
    std::vector<char*> list;
    const std::string title = tk73::toUtf8(column.title, codePage_);
    if (column.kind == ColumnKind::Number) {
        size_t listText = 0;
        for (const uint64_t choice : column.choices) {
            choices.push_back(decimalText(choice, column.decimals));
            listText += choices.back().size() + 1;
        }
        if (!choices.empty() && listText <= kMaxListText) {
            for (std::string& choice : choices) {
                list.push_back(choice.data());
            }
            list.push_back(nullptr);
            rule.validate = LXW_VALIDATION_TYPE_LIST;
            rule.value_list = list.data();
            message = "Choose one of the values of the list.";
        } else {
            double unit = 1;
            for (int i = 0; i < column.decimals; ++i) {
                unit *= 10;
            }
            rule.validate =
                column.decimals > 0 ? LXW_VALIDATION_TYPE_DECIMAL : LXW_VALIDATION_TYPE_INTEGER;
            rule.criteria = LXW_VALIDATION_CRITERIA_BETWEEN;
            rule.minimum_number = static_cast<double>(column.lowest) / unit;
            rule.maximum_number = static_cast<double>(column.highest) / unit;
            message = "A number from " + decimalText(column.lowest, column.decimals) + " to " +
                      decimalText(column.highest, column.decimals) +
                      (column.decimals > 0 ? ", with at most " + std::to_string(column.decimals) +
                                                 " decimal places."
                                           : ", without decimal places.");
        }
    } else {
        rule.validate = LXW_VALIDATION_TYPE_LENGTH;
        rule.criteria = LXW_VALIDATION_CRITERIA_LESS_THAN_OR_EQUAL_TO;
        rule.value_number = column.width;
        message = "At most " + std::to_string(column.width) +
                  (column.kind == ColumnKind::Text ? " characters."
                   : column.digitsOnly             ? " digits."
                                                   : " digits (0 to 9, A to F).");
    }
    rule.error_type = LXW_VALIDATION_ERROR_TYPE_STOP;
    std::string errorTitle = title.substr(0, 32);
    rule.error_title = errorTitle.data();
    rule.error_message = message.data();
    worksheet_data_validation_range(sheet, 1, col, static_cast<lxw_row_t>(records), col, &rule);
}

bool WorkbookWriter::AddSheet(const ProgramSheet& file, const std::string& name,
                              std::string& error) {
    const std::vector<SheetColumn> columns =
        sheetColumns(file.definitionFile, file.kind, file.fileNo);
    ProgramRecords records(file.path);
    if (columns.empty() || !records.Read()) {
        error = "The " + file.title + " file cannot be read.";
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, name.c_str());
    if (sheet == nullptr) {
        error = "The workbook cannot take a sheet for the " + file.title + " file.";
        return false;
    }
    worksheet_set_column(sheet, 0, 0,
                         std::max<double>(std::char_traits<char>::length(kRecordTitle), 6) + 2,
                         NumberFormat(0));
    worksheet_write_string(sheet, 0, 0, kRecordTitle, header_);
    for (size_t i = 0; i < columns.size(); ++i) {
        const SheetColumn& column = columns[i];
        const auto col = static_cast<lxw_col_t>(i + 1);
        const std::string title = tk73::toUtf8(column.title, codePage_);
        const size_t valueWidth =
            static_cast<size_t>(column.width) + (column.kind == ColumnKind::Number ? 2 : 0);
        const double width = std::min<double>(
            static_cast<double>(std::max(title.size(), valueWidth)) + 2, kMaxColumnWidth);
        worksheet_set_column(
            sheet, col, col, width,
            column.kind == ColumnKind::Number ? NumberFormat(column.decimals) : text_);
        worksheet_write_string(sheet, 0, col, title.c_str(), header_);
    }
    for (int record = 1; record <= records.Count(); ++record) {
        const auto row = static_cast<lxw_row_t>(record);
        worksheet_write_number(sheet, row, 0, record, nullptr);
        const std::vector<std::optional<std::string>> values = records.Record(record, columns);
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!values[i]) {
                continue;
            }
            const SheetColumn& column = columns[i];
            const ExportCell cell = exportCell(column, shownValue(column, *values[i]), codePage_);
            const auto col = static_cast<lxw_col_t>(i + 1);
            if (cell.isNumber) {
                worksheet_write_number(sheet, row, col, cell.number, NumberFormat(column.decimals));
            } else if (!cell.text.empty()) {
                worksheet_write_string(sheet, row, col, cell.text.c_str(), text_);
            }
        }
    }
    worksheet_freeze_panes(sheet, 1, 1);
    worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(records.Count()),
                         static_cast<lxw_col_t>(columns.size()));
    ValidateRecords(sheet, records.Count());
    for (size_t i = 0; i < columns.size(); ++i) {
        Validate(sheet, static_cast<lxw_col_t>(i + 1), columns[i], records.Count());
    }
    return true;
}

void WorkbookWriter::AddOrigin(const WorkbookOrigin& origin) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook_, kOriginSheet);
    lxw_row_t row = 0;
    for (const auto& [name, value] : originRows(origin)) {
        worksheet_write_string(sheet, row, 0, name.c_str(), text_);
        worksheet_write_string(sheet, row, 1, value.c_str(), text_);
        ++row;
    }
    worksheet_hide(sheet);
}

}  // namespace

bool exportWorkbook(const std::vector<ProgramSheet>& files, const std::string& out,
                    std::string& error) {
    if (files.empty()) {
        error = "No program file was chosen.";
        return false;
    }
    const std::string codePage = tk73::installationCodePage();
    char temp[TK73_MAX_PATH] = {};
    AecrbsGetTempPath(temp);
    // Written beside the target and renamed over it once complete.
    const std::string partial = out + ".part" + std::to_string(getpid());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = temp[0] != '\0' ? temp : nullptr;
    std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(
        workbook_new_opt(partial.c_str(), &options));
    if (!workbook) {
        error = "The workbook cannot be made.";
        return false;
    }
    WorkbookWriter writer(workbook.get(), codePage);
    WorkbookOrigin origin{files.front().model, files.front().kind, {}};
    std::set<std::string> taken = {kOriginSheet};
    for (const ProgramSheet& file : files) {
        const std::string name = sheetName(file, codePage, taken);
        if (!writer.AddSheet(file, name, error)) {
            workbook.reset();
            std::remove(partial.c_str());
            return false;
        }
        origin.files.emplace_back(name, file.fileNo);
    }
    writer.AddOrigin(origin);
    std::string title = tk73::toUtf8(files.front().title, codePage) + " - " + origin.model;
    lxw_doc_properties properties = {};
    properties.title = title.data();
    workbook_set_properties(workbook.get(), &properties);
    const lxw_error closed = workbook_close(workbook.release());
    std::error_code renamed;
    if (closed == LXW_NO_ERROR) {
        std::filesystem::rename(partial, out, renamed);
    }
    if (closed != LXW_NO_ERROR || renamed) {
        std::remove(partial.c_str());
        error =
            "The workbook " + out + " cannot be written" +
            (closed != LXW_NO_ERROR ? std::string(": ") + lxw_strerror(closed) : std::string()) +
            ".";
        return false;
    }
    return true;
}

}  // namespace tk73sheet
