#include "tests/ui_checks/layout_problems.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLayout>
#include <QScrollBar>
#include <QTabBar>

#include <utility>
#include <vector>

#include "tests/ui_checks/controls.h"
#include "tests/ui_checks/text_room.h"

namespace tk73test {

namespace {

bool shown(const QWidget* widget) {
    return widget->isVisible() && !widget->isWindow();
}

// The size the widget has and the size it needs when it is smaller; empty otherwise. A tab bar's
// minimum size makes room for the buttons that scroll its tabs, which it has no need of while all
// its tabs fit.
QString tooSmall(const QWidget* widget) {
    QSize need = widget->minimumSizeHint();
    if (qobject_cast<const QTabBar*>(widget) != nullptr) {
        need = need.boundedTo(widget->sizeHint());
    }
    if (widget->width() >= need.width() && widget->height() >= need.height()) {
        return {};
    }
    return QStringLiteral(" is smaller than it needs (%1x%2 of %3x%4)")
        .arg(widget->width())
        .arg(widget->height())
        .arg(need.width())
        .arg(need.height());
}

// The page a scroll area shows is moved about inside its viewport.
bool scrolledPage(const QWidget* widget) {
    const QWidget* viewport = widget->parentWidget();
    auto* area = qobject_cast<const QAbstractScrollArea*>(viewport->parentWidget());
    return area != nullptr && area->viewport() == viewport;
}

QStringList controlProblems(const QWidget* control) {
    QStringList problems;
    if (const QString size = tooSmall(control); !size.isEmpty()) {
        problems << nameOf(control) + size;
    }
    if (!textFits(control)) {
        problems << nameOf(control) + QStringLiteral(" cuts its text");
    }
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(control);
        area != nullptr && area->horizontalScrollBar()->isVisible()) {
        problems << nameOf(control) + QStringLiteral(" must scroll sideways");
    }
    if (auto* list = qobject_cast<const QAbstractItemView*>(control)) {
        for (const QString& cell : cutCells(list)) {
            problems << nameOf(control) + QStringLiteral(": ") + cell;
        }
    }
    return problems;
}

// The part of the widget that its holders show, in the window's coordinates: the part of a
// scrolled page outside the scroll area's viewport is not on the screen.
QRect shownPart(const QWidget* widget, const QWidget* window) {
    QRect part(widget->mapTo(window, QPoint(0, 0)), widget->size());
    for (const QWidget* holder = widget->parentWidget(); holder != nullptr && holder != window;
         holder = holder->parentWidget()) {
        part &= QRect(holder->mapTo(window, QPoint(0, 0)), holder->size());
    }
    return part;
}

QStringList overlappingControls(const QList<const QWidget*>& controls, const QWidget* window) {
    QStringList problems;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect first = shownPart(controls[i], window);
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i])) {
                continue;
            }
            if (first.intersects(shownPart(controls[j], window))) {
                problems << nameOf(controls[i]) + QStringLiteral(" overlaps ") +
                                nameOf(controls[j]);
            }
        }
    }
    return problems;
}

// The visible widgets and the nested layouts of a layout lie apart.
void overlappingLayoutItems(const QLayout* layout, QStringList& problems) {
    std::vector<std::pair<QRect, QString>> parts;
    for (int index = 0; index < layout->count(); ++index) {
        QLayoutItem* item = layout->itemAt(index);
        if (item->widget() != nullptr) {
            if (shown(item->widget())) {
                parts.emplace_back(item->widget()->geometry(), nameOf(item->widget()));
            }
        } else if (item->layout() != nullptr) {
            overlappingLayoutItems(item->layout(), problems);
            if (!item->layout()->geometry().isEmpty()) {
                parts.emplace_back(item->layout()->geometry(), QStringLiteral("a nested layout"));
            }
        }
    }
    for (size_t a = 0; a < parts.size(); ++a) {
        for (size_t b = a + 1; b < parts.size(); ++b) {
            if (parts[a].first.intersects(parts[b].first)) {
                problems << parts[a].second + QStringLiteral(" overlaps ") + parts[b].second +
                                QStringLiteral(" in their layout");
            }
        }
    }
}

}  // namespace

QStringList layoutProblems(const QWidget* window) {
    QStringList problems;
    if (const QString size = tooSmall(window); !size.isEmpty()) {
        problems << QStringLiteral("the window") + size;
    }
    if (window->layout() != nullptr) {
        overlappingLayoutItems(window->layout(), problems);
    }
    QList<const QWidget*> controls;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        // A dialog the window owns is a window of its own, checked by itself.
        if (!widget->isVisible() || widget->window() != window->window() ||
            !isOwnWidget(widget, window)) {
            continue;
        }
        if (!scrolledPage(widget) && !widget->parentWidget()->rect().contains(widget->geometry())) {
            problems << nameOf(widget) + QStringLiteral(" is cut off by ") +
                            nameOf(widget->parentWidget());
        }
        if (widget->layout() != nullptr) {
            overlappingLayoutItems(widget->layout(), problems);
        }
        if (isControl(widget)) {
            controls.append(widget);
            problems << controlProblems(widget);
        }
    }
    problems << overlappingControls(controls, window);
    return problems;
}

QStringList strayWindows() {
    QStringList problems;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        // Tool tips and popups are windows of their own by their nature.
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && isControl(widget) &&
            (type == Qt::Window || type == Qt::Widget)) {
            problems << nameOf(widget) + QStringLiteral(" is shown as a window of its own");
        }
    }
    return problems;
}

}  // namespace tk73test
