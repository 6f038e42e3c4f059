#include "apps/dataeditor/ui/grid_metrics.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

#include "apps/dataeditor/ui/data_grid_model.h"

namespace tk73edit {

namespace {

// Room around a cell's text: the cell's margins and the in-place edit's frame.
constexpr int kCellMargin = 12;
constexpr int kRowMargin = 6;

}  // namespace

GridMetrics::GridMetrics(const QFont& font, const DataGridModel& model) {
    const QFontMetrics metrics(font);
    rowHeight_ = metrics.height() + kRowMargin;
    // Digits all have the advance of a zero in the fixed-pitch font: a run of them is measured
    // without laying it out.
    const qreal zero = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
    const auto digitsWidth = [zero](int digits) {
        return static_cast<int>(std::ceil(digits * zero));
    };
    const int rows = model.rowCount();
    numberTextWidth_ =
        rows > 0 ? digitsWidth(model.headerData(rows - 1, Qt::Vertical).toString().size()) : 0;
    numberWidth_ = numberTextWidth_ + kCellMargin;
    for (int column = 0; column < model.columnCount(); ++column) {
        titles_.push_back(model.headerData(column, Qt::Horizontal).toString());
        titleWidths_.push_back(metrics.horizontalAdvance(titles_.back()));
        const int cells = digitsWidth(model.Document().Field(column).width);
        lefts_.push_back(lefts_.back() + std::max(cells, titleWidths_.back()) + kCellMargin);
    }
}

int GridMetrics::ColumnAt(int offset) const {
    if (offset < 0 || offset >= ColumnsWidth()) {
        return -1;
    }
    const auto right = std::upper_bound(lefts_.begin(), lefts_.end(), offset);
    return static_cast<int>(right - lefts_.begin()) - 1;
}

}  // namespace tk73edit
