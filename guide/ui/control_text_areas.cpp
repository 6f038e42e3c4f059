#include "guide/ui/control_text_areas.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextEdit>

namespace tk73guide {

namespace {

QRect inWindow(const QWidget* widget, const QRect& rect, const QWidget* window) {
    return QRect(widget->mapTo(window, rect.topLeft()), rect.size());
}

// The part of the label its text takes, after its alignment.
QRect labelText(const QLabel* label) {
    if (label->text().isEmpty()) {
        return {};
    }
    const QSize size = label->fontMetrics().size(0, label->text());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                               size.boundedTo(label->contentsRect().size()), label->contentsRect());
}

// The cells (and header sections) that show text, clipped to what the view shows.
void cellAreas(QAbstractItemView* view, QWidget* window, QList<ControlArea>& areas) {
    QAbstractItemModel* model = view->model();
    QWidget* viewport = view->viewport();
    if (model == nullptr) {
        return;
    }
    const QRect shown = viewport->rect();
    if (auto* header = qobject_cast<QHeaderView*>(view)) {
        for (int section = 0; section < header->count(); ++section) {
            const int start = header->sectionViewportPosition(section);
            const QRect cell = header->orientation() == Qt::Horizontal
                                   ? QRect(start, 0, header->sectionSize(section), shown.height())
                                   : QRect(0, start, shown.width(), header->sectionSize(section));
            if (!header->isSectionHidden(section) && cell.intersects(shown)) {
                const QRect rect = inWindow(viewport, cell & shown, window);
                areas.append({rect, rect});
            }
        }
        return;
    }
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
            const QModelIndex index = model->index(row, column, view->rootIndex());
            const QRect cell = view->visualRect(index) & shown;
            if (!cell.isEmpty() && !index.data(Qt::DisplayRole).toString().trimmed().isEmpty()) {
                const QRect rect = inWindow(viewport, cell, window);
                areas.append({rect, rect});
            }
        }
    }
}

}  // namespace

QRect groupBoxTitle(QGroupBox* box, QWidget* window) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return inWindow(box, title, window);
}

QList<ControlArea> controlAreas(QWidget* window) {
    QList<ControlArea> areas;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window)) {
            continue;
        }
        const QRect whole = inWindow(child, child->rect(), window);
        if (qobject_cast<QCheckBox*>(child) != nullptr ||
            qobject_cast<QRadioButton*>(child) != nullptr) {
            // The mark and its text stand at the start of a box the layout may stretch.
            const QRect text =
                QStyle::alignedRect(child->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter,
                                    child->sizeHint().boundedTo(child->size()), child->rect());
            const QRect face = inWindow(child, text, window);
            areas.append({face, face});
        } else if (qobject_cast<QAbstractButton*>(child) != nullptr ||
                   qobject_cast<QLineEdit*>(child) != nullptr ||
                   qobject_cast<QComboBox*>(child) != nullptr ||
                   qobject_cast<QAbstractSpinBox*>(child) != nullptr ||
                   qobject_cast<QTextEdit*>(child) != nullptr) {
            areas.append({whole, whole});
        } else if (auto* label = qobject_cast<QLabel*>(child)) {
            const QRect text = labelText(label);
            if (!text.isEmpty()) {
                const QRect shown = inWindow(label, text, window);
                areas.append({shown, shown});
            }
        } else if (auto* box = qobject_cast<QGroupBox*>(child);
                   box != nullptr && !box->title().isEmpty()) {
            const QRect title = groupBoxTitle(box, window);
            areas.append({title, title});
        } else if (auto* menus = qobject_cast<QMenuBar*>(child)) {
            for (QAction* action : menus->actions()) {
                const QRect rect = inWindow(menus, menus->actionGeometry(action), window);
                if (!rect.isEmpty()) {
                    areas.append({rect, rect});
                }
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(child)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                const QRect rect = inWindow(tabs, tabs->tabRect(tab), window);
                areas.append({rect, rect});
            }
        } else if (auto* view = qobject_cast<QAbstractItemView*>(child)) {
            cellAreas(view, window, areas);
        } else if (auto* area = qobject_cast<QAbstractScrollArea*>(child);
                   area != nullptr && qobject_cast<QScrollArea*>(child) == nullptr) {
            // A grid or a page the program paints itself: text wherever it shows.
            const QRect shown = inWindow(area->viewport(), area->viewport()->rect(), window);
            areas.append({shown, shown});
        }
    }
    return areas;
}

}  // namespace tk73guide
