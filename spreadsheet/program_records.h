#pragma once
// The records of one text program file in memory, read and written field by field in place,
// as the data editor does: a field's value is its width's characters after the opening quote of
// its item, and writing one never changes the length of a line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "programfiles/pgm_file_rw.h"
#include "spreadsheet/sheet_columns.h"

namespace tk73sheet {

class ProgramRecords {
  public:
    explicit ProgramRecords(const std::string& path) : file_(path.c_str()) {}

    // false when the file cannot be read or holds no record line.
    [[nodiscard]] bool Read() { return file_.ReadPgmFile() == 1; }
    int Count() const { return file_.m_nRecordCount; }

    // The stored values of the columns in record (1 to Count()), in the order of the columns;
    // nullopt for a column whose item the record line lacks.
    std::vector<std::optional<std::string>> Record(int record,
                                                   const std::vector<SheetColumn>& columns) const;
    // The stored value of one column in the record; nullopt when the line lacks its item.
    std::optional<std::string> Value(int record, const SheetColumn& column) const;
    // Writes the value (the column's width) over the column's value in the record; false when
    // the record line lacks the item.
    [[nodiscard]] bool Write(int record, const SheetColumn& column, std::string_view value);
    // Replaces the file with the changed records at once: a crash leaves the old or the new
    // file, never half of either.
    [[nodiscard]] bool Save() { return file_.WritePgmFile() == 1; }

  private:
    // Offsets of the columns' values in the bytes (the columns in record order).
    std::vector<std::optional<size_t>> Offsets(
        int record, const std::vector<const SheetColumn*>& columns) const;

    CTK73pgmPgmFileRW file_;
};

// The value as the editors show it: in every field but a character field an unset position (a
// blank) shows as "0", or as "E" in a bar-code field.
std::string shownValue(const SheetColumn& column, std::string_view stored);

}  // namespace tk73sheet
