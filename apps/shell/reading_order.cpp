#include "apps/shell/reading_order.h"

#include <QWidget>

#include <algorithm>

namespace tk73hub {

namespace {

// Tops this close together are one row.
constexpr int kRowTolerance = 8;

}  // namespace

std::vector<QWidget*> readingOrder(std::vector<QWidget*> widgets, const QWidget* window) {
    const auto place = [window](const QWidget* widget) {
        return widget->mapTo(window, QPoint(0, 0));
    };
    std::stable_sort(widgets.begin(), widgets.end(), [&](const QWidget* a, const QWidget* b) {
        return place(a).y() < place(b).y();
    });
    // Each row starts at the first widget below the previous row's top by more than the
    // tolerance, then reads from the left.
    auto rowStart = widgets.begin();
    while (rowStart != widgets.end()) {
        const int top = place(*rowStart).y();
        const auto rowEnd = std::find_if(rowStart, widgets.end(), [&](const QWidget* widget) {
            return place(widget).y() > top + kRowTolerance;
        });
        std::stable_sort(rowStart, rowEnd, [&](const QWidget* a, const QWidget* b) {
            return place(a).x() < place(b).x();
        });
        rowStart = rowEnd;
    }
    return widgets;
}

}  // namespace tk73hub
