#pragma once
// The sizes the grid paints with, worked out once per font: the row height, the header row, the
// record number column and each field's column. A column is as wide as the field's widest value
// or its title, whichever is wider; the record numbers all have the same digits, so the last one
// is the widest. Nothing here visits a record.

#include <QFont>
#include <QString>

#include <vector>

namespace tk73edit {

class DataGridModel;

class GridMetrics {
  public:
    // Room on either side of a cell's text inside its cell.
    static constexpr int kTextMargin = 3;

    GridMetrics() = default;
    GridMetrics(const QFont& font, const DataGridModel& model);

    int RowHeight() const { return rowHeight_; }
    int HeaderHeight() const { return rowHeight_; }
    int NumberWidth() const { return numberWidth_; }
    // The width of a record number's text.
    int NumberTextWidth() const { return numberTextWidth_; }

    int ColumnCount() const { return static_cast<int>(titles_.size()); }
    // A column's left edge, counted from the first column's.
    int ColumnLeft(int column) const { return lefts_[static_cast<size_t>(column)]; }
    int ColumnWidth(int column) const { return ColumnLeft(column + 1) - ColumnLeft(column); }
    int ColumnsWidth() const { return lefts_.back(); }
    // The column under the offset from the first column's left edge; -1 outside every column.
    int ColumnAt(int offset) const;

    const QString& Title(int column) const { return titles_[static_cast<size_t>(column)]; }
    int TitleWidth(int column) const { return titleWidths_[static_cast<size_t>(column)]; }

  private:
    int rowHeight_ = 0;
    int numberWidth_ = 0;
    int numberTextWidth_ = 0;
    std::vector<int> lefts_{0};
    std::vector<QString> titles_;
    std::vector<int> titleWidths_;
};

}  // namespace tk73edit
