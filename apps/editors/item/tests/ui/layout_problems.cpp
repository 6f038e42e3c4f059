#include "apps/editors/item/tests/ui/layout_problems.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

namespace tk73itemtest {

namespace {

// The room a list cell leaves around its text.
constexpr int kCellMargin = 6;

bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QGroupBox*>(widget);
}

// A control of the window's own, not a part inside another control (a list's header, a combo
// box's field); controls inside a group box are the window's.
bool isOwnControl(const QWidget* widget, const QWidget* window) {
    if (!widget->isVisible() || !isControl(widget)) {
        return false;
    }
    for (const QWidget* above = widget->parentWidget(); above != window && above != nullptr;
         above = above->parentWidget()) {
        if (isControl(above) && !qobject_cast<const QGroupBox*>(above)) {
            return false;
        }
    }
    return true;
}

QString nameOf(const QWidget* widget) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        text = label->text();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    } else if (auto* box = qobject_cast<const QGroupBox*>(widget)) {
        text = box->title();
    } else if (auto* field = qobject_cast<const QLineEdit*>(widget)) {
        text = field->text();
    }
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text);
}

// The visible cells and headers of a table whose column cuts their text.
QStringList cutCells(const QTableView* table) {
    QStringList cut;
    const QAbstractItemModel* model = table->model();
    const QFontMetrics metrics = table->fontMetrics();
    for (int column = 0; column < model->columnCount(); ++column) {
        const int room = table->columnWidth(column) - kCellMargin;
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        if (table->horizontalHeader()->sectionSizeHint(column) > table->columnWidth(column)) {
            cut << QStringLiteral("column title \"%1\" is cut").arg(title);
        }
        const int first = std::max(table->rowAt(0), 0);
        const int last = table->rowAt(table->viewport()->height() - 1);
        for (int row = first; row <= (last < 0 ? model->rowCount() - 1 : last); ++row) {
            const QString text = model->index(row, column).data().toString();
            if (metrics.horizontalAdvance(text) > room) {
                cut << QStringLiteral("cell \"%1\" is cut").arg(text);
            }
        }
    }
    return cut;
}

}  // namespace

QStringList LayoutProblems(const QWidget* window) {
    QStringList problems;
    if (window->width() < window->minimumSizeHint().width() ||
        window->height() < window->minimumSizeHint().height()) {
        problems << QStringLiteral("the window is smaller than it needs");
    }
    QList<const QWidget*> controls;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!isOwnControl(widget, window)) {
            continue;
        }
        controls.append(widget);
        const QSize need = widget->minimumSizeHint();
        if (widget->width() < need.width() || widget->height() < need.height()) {
            problems << nameOf(widget) + QStringLiteral(" is smaller than it needs");
        }
        if (auto* label = qobject_cast<const QLabel*>(widget);
            label != nullptr && !label->wordWrap() &&
            label->fontMetrics().horizontalAdvance(label->text().remove('&')) >
                label->contentsRect().width()) {
            problems << nameOf(widget) + QStringLiteral(" cuts its text");
        }
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
            area != nullptr && area->horizontalScrollBar()->isVisible()) {
            problems << nameOf(widget) + QStringLiteral(" must scroll sideways");
        }
        if (auto* table = qobject_cast<const QTableView*>(widget)) {
            problems << cutCells(table);
        }
        if (!widget->parentWidget()->rect().contains(widget->geometry())) {
            problems << nameOf(widget) + QStringLiteral(" reaches out of its parent");
        }
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->parentWidget() == controls[j]->parentWidget() &&
                controls[i]->geometry().intersects(controls[j]->geometry())) {
                problems << nameOf(controls[i]) + QStringLiteral(" overlaps ") +
                                nameOf(controls[j]);
            }
        }
    }
    return problems;
}

}  // namespace tk73itemtest
