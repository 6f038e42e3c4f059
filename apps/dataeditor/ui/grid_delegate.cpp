#include "apps/dataeditor/ui/grid_delegate.h"

#include <QPainter>

#include "apps/dataeditor/ui/data_grid_model.h"
#include "apps/dataeditor/ui/overtype_edit.h"
#include "base/ui/ui_text.h"

namespace tk73edit {

namespace {

// The shown value the edit began with is kept on the edit itself.
constexpr const char* kBeganWith = "tk73BeganWith";

}  // namespace

GridDelegate::GridDelegate(DataGridModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    if (selected) {
        painter->fillRect(option.rect, option.palette.highlight());
    }
    // The margin the style's delegate keeps on either side of a cell's text.
    const QWidget* view = option.widget;
    const int margin =
        (view != nullptr ? view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view)
                         : 2) +
        1;
    const QFontMetrics& metrics = option.fontMetrics;
    const int baseline =
        option.rect.top() + (option.rect.height() - metrics.height()) / 2 + metrics.ascent();
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    painter->drawText(QPoint(option.rect.left() + margin, baseline),
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    auto* edit = new OvertypeEdit(parent);
    edit->setFont(option.font);
    connect(edit, &OvertypeEdit::recordStep, this, &GridDelegate::recordStep);
    connect(edit, &OvertypeEdit::overtypeChanged, this, &GridDelegate::overtypeChanged);
    return edit;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = static_cast<OvertypeEdit*>(editor);
    if (edit->property(kBeganWith).isValid()) {
        return;
    }
    const std::string value = model_.Document().Shown(index.row(), index.column());
    edit->Begin(model_.Field(index), value);
    edit->setProperty(kBeganWith, tk73::toQString(value));
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    auto* edit = static_cast<OvertypeEdit*>(editor);
    if (edit->text() != edit->property(kBeganWith).toString()) {
        model->setData(index, edit->text(), Qt::EditRole);
        edit->setProperty(kBeganWith, edit->text());
    }
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    editor->setGeometry(option.rect);
}

}  // namespace tk73edit
