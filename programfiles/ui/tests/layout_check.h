#pragma once
// Finds controls of a laid-out window that the user could not read or reach: a control smaller
// than it needs, a label whose text does not fit, a list too narrow for its lines, a control
// that reaches out of its parent, or two controls of the same parent on top of each other.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QStringList>
#include <QTreeWidget>
#include <QWidget>

namespace tk73test {

inline bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QGroupBox*>(widget);
}

inline QString nameOf(const QWidget* widget) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    } else if (auto* box = qobject_cast<const QGroupBox*>(widget)) {
        text = box->title();
    }
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text);
}

// The cells of a list whose text its column cuts.
inline QStringList cutCells(const QTreeWidget* tree) {
    QStringList cut;
    // The room a cell's text leaves to the column's edges.
    constexpr int kCellMargin = 8;
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = tree->topLevelItem(row);
        for (int column = 0; column < tree->columnCount(); ++column) {
            if (tree->fontMetrics().horizontalAdvance(item->text(column)) + kCellMargin >
                tree->columnWidth(column)) {
                cut << QStringLiteral("list cell \"%1\" is cut").arg(item->text(column));
            }
        }
    }
    return cut;
}

inline QStringList layoutProblems(const QWidget* window) {
    QStringList problems;
    QList<const QWidget*> controls;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        // The parts inside a control (a spin box's editor, a list's viewport) are its own.
        const QWidget* parent = widget->parentWidget();
        if (!widget->isVisible() || !isControl(widget) ||
            (parent != window && !qobject_cast<const QGroupBox*>(parent))) {
            continue;
        }
        controls.append(widget);
        const QSize need = widget->minimumSizeHint();
        if (widget->width() < need.width() || widget->height() < need.height()) {
            problems << nameOf(widget) + QStringLiteral(" is smaller than it needs");
        }
        if (auto* label = qobject_cast<const QLabel*>(widget);
            label && !label->wordWrap() &&
            label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width()) {
            problems << nameOf(widget) + QStringLiteral(" cuts its text");
        }
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
            area && area->horizontalScrollBar()->isVisible()) {
            problems << nameOf(widget) + QStringLiteral(" is too narrow for its lines");
        }
        if (auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
            problems << cutCells(tree);
        }
        if (!parent->rect().contains(widget->geometry())) {
            problems << nameOf(widget) + QStringLiteral(" reaches out of its parent");
        }
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->parentWidget() == controls[j]->parentWidget() &&
                controls[i]->geometry().intersects(controls[j]->geometry())) {
                problems << nameOf(controls[i]) + QStringLiteral(" overlaps ") +
                                nameOf(controls[j]);
            }
        }
    }
    return problems;
}

}  // namespace tk73test
