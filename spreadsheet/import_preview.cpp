#include "spreadsheet/import_preview.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "platform/code_page.h"
#include "spreadsheet/cell_values.h"
#include "spreadsheet/decimal_number.h"
#include "spreadsheet/duplicate_check.h"
#include "spreadsheet/program_records.h"
#include "spreadsheet/sheet_file_kind.h"
#include "spreadsheet/sheet_header.h"
#include "spreadsheet/workbook_origin.h"

namespace tk73sheet {

namespace {

const Cell& cellAt(const SheetRow& row, std::optional<size_t> cell) {
    static const Cell none;
    return cell && *cell < row.cells.size() ? row.cells[*cell] : none;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The sheet of the program file: the one the workbook's origin names for it, else the one named
// after the file, else the first sheet that is not hidden. Sets error when there is none.
const Sheet* sheetOf(const ProgramSheet& target, const Workbook& workbook,
                     const std::string& codePage, std::string& error) {
    const std::optional<WorkbookOrigin> origin = originOf(workbook);
    const std::string title = tk73::toUtf8(target.title, codePage);
    std::string wanted;
    if (origin) {
        if (origin->model != target.model || origin->kind != target.kind) {
            error = "The spreadsheet holds the data of the " +
                    std::string(machineName(origin->kind)) + " " + origin->model +
                    "; this store's " + machineName(target.kind) + " is a " + target.model +
                    ". Nothing was read.";
            return nullptr;
        }
        const auto file =
            std::find_if(origin->files.begin(), origin->files.end(),
                         [&](const auto& entry) { return entry.second == target.fileNo; });
        if (file == origin->files.end()) {
            error = "The spreadsheet holds no sheet of the " + title + " file.";
            return nullptr;
        }
        wanted = file->first;
    }
    const Sheet* found = nullptr;
    for (const Sheet& sheet : workbook.sheets) {
        if (origin ? sheet.name == wanted : sheet.name == title) {
            found = &sheet;
            break;
        }
    }
    if (found == nullptr && !origin) {
        const auto visible = std::find_if(workbook.sheets.begin(), workbook.sheets.end(),
                                          [](const Sheet& sheet) { return !sheet.hidden; });
        found = visible == workbook.sheets.end() ? nullptr : &*visible;
    }
    if (found == nullptr) {
        error = origin ? "The spreadsheet has lost its sheet " + quoted(wanted) + "."
                       : std::string("The spreadsheet holds no sheet.");
    }
    return found;
}

class PreviewBuilder {
  public:
    PreviewBuilder(const ProgramSheet& target, ImportPreview& out, const std::string& codePage)
        : target_(target), out_(out), codePage_(codePage), records_(target.path) {}

    bool Build(const Sheet& sheet, std::string& error);

  private:
    struct PendingRow {
        int row = 0;
        int record = 0;
        std::vector<FieldChange> changes;
        std::vector<Refusal> refusals;
    };

    void CheckRow(const SheetRow& row, PendingRow& pending);
    std::optional<int> RecordOf(const Cell& cell, std::string& reason) const;
    void Refuse(PendingRow& row, const std::string& column, const std::string& reasonUtf8) const {
        row.refusals.push_back({row.row, column, tk73::fromUtf8(reasonUtf8, codePage_)});
    }
    void CheckDuplicates(std::vector<PendingRow>& rows);

    const ProgramSheet& target_;
    ImportPreview& out_;
    const std::string& codePage_;
    ProgramRecords records_;
    HeaderMap header_;
    std::map<int, int> rowOfRecord_;
};

std::optional<int> PreviewBuilder::RecordOf(const Cell& cell, std::string& reason) const {
    const ScaledNumber number = cell.type == Cell::Type::Number || cell.type == Cell::Type::Text
                                    ? scaledNumber(cell.text, 0)
                                    : ScaledNumber{};
    if (number.status == ScaledNumber::Status::Ok && number.value >= 1 &&
        number.value <= static_cast<uint64_t>(records_.Count())) {
        return static_cast<int>(number.value);
    }
    reason = (cell.empty() ? std::string("no record number")
                           : quoted(cell.text) + " is no record number") +
             "; the file has records 1 to " + std::to_string(records_.Count());
    return std::nullopt;
}

void PreviewBuilder::CheckRow(const SheetRow& row, PendingRow& pending) {
    std::string reason;
    const std::optional<int> record = RecordOf(cellAt(row, header_.recordCell), reason);
    if (!record) {
        Refuse(pending, kRecordTitle, reason);
        return;
    }
    pending.record = *record;
    const auto [earlier, first] = rowOfRecord_.emplace(*record, row.number);
    if (!first) {
        Refuse(pending, kRecordTitle,
               "record " + std::to_string(*record) + " is given in row " +
                   std::to_string(earlier->second) + " already");
        return;
    }
    const std::vector<std::optional<std::string>> stored = records_.Record(*record, out_.columns);
    for (size_t i = 0; i < out_.columns.size(); ++i) {
        if (!header_.fieldCells[i]) {
            continue;
        }
        const SheetColumn& column = out_.columns[i];
        if (!stored[i]) {
            Refuse(pending, column.title, "the record's line has no such field");
            continue;
        }
        const std::string shown = shownValue(column, *stored[i]);
        const ImportedValue value =
            importCell(column, cellAt(row, header_.fieldCells[i]), shown, codePage_);
        if (!value.ok) {
            Refuse(pending, column.title, value.reason);
            continue;
        }
        if (value.stored == shown) {
            continue;
        }
        if (!column.editable) {
            Refuse(pending, column.title, "Cannot edit this field");
            continue;
        }
        pending.changes.push_back({*record, row.number, i, sheetForm(column, shown),
                                   sheetForm(column, value.stored), shown, value.stored});
    }
}

void PreviewBuilder::CheckDuplicates(std::vector<PendingRow>& rows) {
    for (size_t i = 0; i < out_.columns.size(); ++i) {
        const SheetColumn& column = out_.columns[i];
        if (!column.unique || !header_.fieldCells[i]) {
            continue;
        }
        std::vector<std::string> values;
        for (int record = 1; record <= records_.Count(); ++record) {
            const std::optional<std::string> stored = records_.Value(record, column);
            values.push_back(shownValue(column, stored.value_or("")));
        }
        DuplicateCheck check(std::move(values), column.kind == ColumnKind::Text ? ' '
                                                : column.barCode                ? 'E'
                                                                                : '0');
        const auto changeOf = [&](const PendingRow& row) {
            return std::find_if(row.changes.begin(), row.changes.end(),
                                [&](const FieldChange& change) { return change.column == i; });
        };
        for (PendingRow& row : rows) {
            if (row.refusals.empty() && changeOf(row) != row.changes.end()) {
                check.Set(row.record, changeOf(row)->stored);
            }
        }
        // A refused row takes its values back, which may free a value for another row: check
        // again until no row is refused anew.
        for (bool again = true; again;) {
            again = false;
            for (PendingRow& row : rows) {
                const auto change = changeOf(row);
                if (!row.refusals.empty() || change == row.changes.end()) {
                    continue;
                }
                if (const int holder = check.OtherHolder(row.record); holder != 0) {
                    Refuse(row, column.title,
                           quoted(tk73::toUtf8(change->newValue, codePage_)) +
                               " is held by record " + std::to_string(holder) + " already");
                    check.Set(row.record, change->oldShown);
                    again = true;
                }
            }
        }
    }
}

bool PreviewBuilder::Build(const Sheet& sheet, std::string& error) {
    const std::string name = tk73::fromUtf8(sheet.name, codePage_);
    if (!records_.Read()) {
        error = "The program file " + target_.path + " cannot be read.";
        return false;
    }
    if (sheet.rows.empty()) {
        error = "The sheet " + quoted(name) + " is empty: there is nothing to read.";
        return false;
    }
    header_ = mapHeader(sheet.rows.front(), out_.columns, codePage_);
    const bool anyField = std::any_of(header_.fieldCells.begin(), header_.fieldCells.end(),
                                      [](const auto& cell) { return cell.has_value(); });
    if (!header_.recordCell || !anyField) {
        error = "The first row of the sheet " + quoted(name) + " names " +
                (header_.recordCell ? std::string("no field of the ") + target_.title + " file"
                                    : std::string("no column ") + quoted(kRecordTitle)) +
                ": it is no sheet of the " + target_.title + " file.";
        return false;
    }
    for (const std::string& title : header_.unknown) {
        out_.notes.push_back("The column " + quoted(tk73::fromUtf8(title, codePage_)) +
                             " is no field of the file and is passed over.");
    }
    for (const std::string& title : header_.repeated) {
        out_.notes.push_back("The column " + quoted(tk73::fromUtf8(title, codePage_)) +
                             " appears a second time and is passed over.");
    }
    std::vector<PendingRow> rows;
    for (size_t i = 1; i < sheet.rows.size(); ++i) {
        PendingRow pending;
        pending.row = sheet.rows[i].number;
        CheckRow(sheet.rows[i], pending);
        rows.push_back(std::move(pending));
    }
    CheckDuplicates(rows);
    for (PendingRow& row : rows) {
        if (!row.refusals.empty()) {
            out_.refusals.insert(out_.refusals.end(), row.refusals.begin(), row.refusals.end());
        } else if (row.changes.empty()) {
            ++out_.unchangedRecords;
        } else {
            ++out_.changedRecords;
            out_.changes.insert(out_.changes.end(), row.changes.begin(), row.changes.end());
        }
    }
    out_.sheetName = name;
    return true;
}

}  // namespace

bool previewImport(const ProgramSheet& target, const std::string& sheetFile, ImportPreview& out,
                   std::string& error) {
    const std::string codePage = tk73::installationCodePage();
    out = ImportPreview{};
    out.columns = sheetColumns(target.definitionFile, target.kind, target.fileNo);
    if (out.columns.empty()) {
        error = "The " + target.title + " file has no field to read.";
        return false;
    }
    Workbook workbook;
    std::string reason;
    if (!readWorkbook(sheetFile, codePage, tk73::toUtf8(target.title, codePage), workbook,
                      reason)) {
        error = "The spreadsheet cannot be read: " + reason + ".";
        return false;
    }
    const Sheet* sheet = sheetOf(target, workbook, codePage, error);
    if (sheet == nullptr) {
        error = tk73::fromUtf8(error, codePage);
        return false;
    }
    return PreviewBuilder(target, out, codePage).Build(*sheet, error);
}

bool applyImport(const ProgramSheet& target, const ImportPreview& preview, ApplyChoice choice,
                 std::string& error) {
    if (choice == ApplyChoice::AllOrNothing && !preview.refusals.empty()) {
        std::set<int> rows;
        for (const Refusal& refusal : preview.refusals) {
            rows.insert(refusal.row);
        }
        error = std::to_string(rows.size()) + (rows.size() == 1 ? " row is" : " rows are") +
                " refused, so nothing was written.";
        return false;
    }
    if (preview.changes.empty()) {
        return true;
    }
    ProgramRecords records(target.path);
    if (!records.Read()) {
        error = "The program file " + target.path + " cannot be read; nothing was written.";
        return false;
    }
    for (const FieldChange& change : preview.changes) {
        const SheetColumn& column = preview.columns[change.column];
        const std::optional<std::string> now = records.Value(change.record, column);
        if (!now || shownValue(column, *now) != change.oldShown) {
            error = "The program file has changed since the preview; nothing was written.";
            return false;
        }
        if (!records.Write(change.record, column, change.stored)) {
            error = "The program file " + target.path + " cannot take the change; it is as it was.";
            return false;
        }
    }
    if (!records.Save()) {
        error = "The program file " + target.path + " cannot be written; it is as it was.";
        return false;
    }
    return true;
}

}  // namespace tk73sheet
