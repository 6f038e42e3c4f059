#include "tests/ui_checks/text_room.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>

namespace tk73test {

namespace {

// The room an edit field or a group title needs beside its text: frame and margins.
constexpr int kFieldMargins = 8;

bool labelFits(const QLabel* label) {
    if (label->wordWrap() || label->textFormat() == Qt::RichText) {
        return label->height() >= label->heightForWidth(label->width());
    }
    // An ampersand marks a shortcut only in a label that names a buddy.
    const int flags = label->buddy() != nullptr ? Qt::TextShowMnemonic : 0;
    const QSize text = label->fontMetrics().size(flags, label->text());
    return text.width() <= label->contentsRect().width() &&
           text.height() <= label->contentsRect().height();
}

const QHeaderView* columnTitles(const QAbstractItemView* list) {
    if (auto* table = qobject_cast<const QTableView*>(list)) {
        return table->horizontalHeader();
    }
    if (auto* tree = qobject_cast<const QTreeView*>(list)) {
        return tree->header();
    }
    return nullptr;
}

// The room a column leaves for the text of a top-level row: the item delegate keeps a margin on
// either side, and a tree draws its branches left of the first column's text.
int textRoom(const QAbstractItemView* list, const QHeaderView* titles, int column) {
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    int room = titles->sectionSize(column) - 2 * margin;
    auto* tree = qobject_cast<const QTreeView*>(list);
    if (tree != nullptr && tree->rootIsDecorated() && titles->visualIndex(column) == 0) {
        room -= tree->indentation();
    }
    return room;
}

}  // namespace

bool textFits(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) {
        return labelFits(label);
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text().isEmpty() || button->width() >= button->sizeHint().width();
    }
    if (auto* field = qobject_cast<const QLineEdit*>(control)) {
        return field->fontMetrics().horizontalAdvance(field->text()) + kFieldMargins <=
               field->width();
    }
    if (auto* box = qobject_cast<const QGroupBox*>(control)) {
        return box->title().isEmpty() ||
               box->fontMetrics().horizontalAdvance(box->title()) + kFieldMargins <= box->width();
    }
    if (auto* tabs = qobject_cast<const QTabBar*>(control)) {
        return tabs->width() >= tabs->sizeHint().width();
    }
    return true;
}

QStringList cutCells(const QAbstractItemView* list) {
    const QHeaderView* titles = columnTitles(list);
    const QAbstractItemModel* model = list->model();
    if (titles == nullptr || model == nullptr) {
        return {};
    }
    QStringList cut;
    const QFontMetrics metrics = list->fontMetrics();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (titles->isSectionHidden(column)) {
            continue;
        }
        if (titles->isVisible() && titles->sectionSizeHint(column) > titles->sectionSize(column)) {
            cut << QStringLiteral("column title \"%1\" is cut")
                       .arg(model->headerData(column, Qt::Horizontal).toString());
        }
        const int room = textRoom(list, titles, column);
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, column).data().toString();
            if (metrics.horizontalAdvance(text) > room) {
                cut << QStringLiteral("cell \"%1\" is cut").arg(text);
            }
        }
    }
    return cut;
}

}  // namespace tk73test
