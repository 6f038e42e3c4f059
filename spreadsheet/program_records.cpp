#include "spreadsheet/program_records.h"

#include <algorithm>
#include <cstring>

#include "programfiles/pgm_record_lines.h"

namespace tk73sheet {

std::vector<std::optional<size_t>> ProgramRecords::Offsets(
    int record, const std::vector<const SheetColumn*>& columns) const {
    std::vector<std::optional<size_t>> out(columns.size());
    if (record < 1 || record > Count()) {
        return out;
    }
    const size_t lineStart =
        static_cast<size_t>(file_.m_nHeaderLength) +
        static_cast<size_t>(record - 1) * static_cast<size_t>(file_.m_nRecordLength);
    const size_t lineEnd = lineStart + static_cast<size_t>(file_.m_nRecordLength) - 2;
    tk73pgm::FieldCursor cursor(file_.m_pContents.get(), lineStart);
    for (size_t i = 0; i < columns.size(); ++i) {
        tk73pgm::FieldSpan span;
        if (cursor.seek(columns[i]->index, span) == 1 &&
            span.first + static_cast<size_t>(columns[i]->width) <= lineEnd) {
            out[i] = span.first;
        }
    }
    return out;
}

std::vector<std::optional<std::string>> ProgramRecords::Record(
    int record, const std::vector<SheetColumn>& columns) const {
    // The cursor walks a line from left to right: visit the columns in record order.
    std::vector<const SheetColumn*> ordered;
    for (const SheetColumn& column : columns) {
        ordered.push_back(&column);
    }
    std::stable_sort(
        ordered.begin(), ordered.end(),
        [](const SheetColumn* a, const SheetColumn* b) { return a->index < b->index; });
    const std::vector<std::optional<size_t>> offsets = Offsets(record, ordered);
    std::vector<std::optional<std::string>> out(columns.size());
    for (size_t i = 0; i < ordered.size(); ++i) {
        if (offsets[i]) {
            out[static_cast<size_t>(ordered[i] - columns.data())] = std::string(
                file_.m_pContents.get() + *offsets[i], static_cast<size_t>(ordered[i]->width));
        }
    }
    return out;
}

std::optional<std::string> ProgramRecords::Value(int record, const SheetColumn& column) const {
    const std::optional<size_t> offset = Offsets(record, {&column})[0];
    if (!offset) {
        return std::nullopt;
    }
    return std::string(file_.m_pContents.get() + *offset, static_cast<size_t>(column.width));
}

bool ProgramRecords::Write(int record, const SheetColumn& column, std::string_view value) {
    const std::optional<size_t> offset = Offsets(record, {&column})[0];
    if (!offset || value.size() != static_cast<size_t>(column.width)) {
        return false;
    }
    std::memcpy(file_.m_pContents.get() + *offset, value.data(), value.size());
    return true;
}

std::string shownValue(const SheetColumn& column, std::string_view stored) {
    std::string shown(stored);
    if (column.kind != ColumnKind::Text) {
        std::replace(shown.begin(), shown.end(), ' ', column.barCode ? 'E' : '0');
    }
    return shown;
}

}  // namespace tk73sheet
