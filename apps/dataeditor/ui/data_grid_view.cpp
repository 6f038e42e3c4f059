#include "apps/dataeditor/ui/data_grid_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include "apps/dataeditor/dataeditor_texts.h"
#include "apps/dataeditor/ui/data_grid_model.h"
#include "apps/dataeditor/ui/grid_delegate.h"
#include "apps/dataeditor/ui/overtype_edit.h"
#include "base/user_interaction.h"

namespace tk73edit {

namespace {

constexpr int kNormalPoints = 12;
constexpr int kZoomedPoints = 24;
// Room around a cell's text: the cell's margins and the edit's frame.
constexpr int kCellMargin = 12;
constexpr int kRowMargin = 6;

// The record numbers at the left. The header's own size hint measures a few hundred of its
// sections; every number has the same digits, so the widest is the last one.
class RecordNumberHeader : public QHeaderView {
  public:
    explicit RecordNumberHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

    QSize sizeHint() const override {
        const int rows = model() != nullptr ? model()->rowCount() : 0;
        const QString widest =
            rows > 0 ? model()->headerData(rows - 1, Qt::Vertical).toString() : QString();
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        return {fontMetrics().horizontalAdvance(widest) + 4 * margin, defaultSectionSize()};
    }
};

}  // namespace

DataGridView::DataGridView(DataGridModel& model, bool zoomed, QWidget* parent)
    : QTableView(parent), model_(model), delegate_(new GridDelegate(model, this)), zoomed_(zoomed) {
    setVerticalHeader(new RecordNumberHeader(this));
    // Fixed sizes, set while the grid has no rows: the grid never measures or visits the records
    // to lay itself out, and a header told its sizes after the rows came would visit every one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ApplyFont();
    setModel(&model);
    setItemDelegate(delegate_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(delegate_, &GridDelegate::recordStep, this, &DataGridView::StepRecord);
    connect(delegate_, &GridDelegate::overtypeChanged, this, &DataGridView::overtypeChanged);
    FitColumns();
    if (model.rowCount() > 0 && model.columnCount() > 0) {
        setCurrentIndex(model.index(0, 0));
    }
}

void DataGridView::SetZoom(bool zoomed) {
    CommitEdit();
    zoomed_ = zoomed;
    ApplyFont();
    FitColumns();
}

void DataGridView::ApplyFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(zoomed_ ? kZoomedPoints : kNormalPoints);
    setFont(font);
    horizontalHeader()->setFont(font);
    verticalHeader()->setFont(font);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + kRowMargin);
}

void DataGridView::FitColumns() {
    const QFontMetrics metrics(font());
    for (int column = 0; column < model_.columnCount(); ++column) {
        const int width = model_.Document().Field(column).width;
        const int cells = metrics.horizontalAdvance(QString(width, QLatin1Char('0'))) + kCellMargin;
        const int title = horizontalHeader()->sectionSizeHint(column);
        setColumnWidth(column, std::max(cells, title));
    }
}

void DataGridView::GoTo(int row, int field) {
    CommitEdit();
    const QModelIndex target = model_.index(row, field);
    setCurrentIndex(target);
    scrollTo(target);
}

bool DataGridView::StartEdit(const QString& text) {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) {
        return false;
    }
    if (!model_.Field(index).editable) {
        QApplication::beep();
        tk73::ui().message(kCannotEdit, kAppTitle, tk73::MessageIcon::Exclamation);
        return false;
    }
    if (OvertypeEdit* open = OpenEdit()) {
        return open->TypeText(text);
    }
    scrollTo(index);
    edit(index);
    OvertypeEdit* opened = OpenEdit();
    if (opened == nullptr) {
        return false;
    }
    // The view selects a line edit's whole text when it opens it; overtype starts at the caret.
    opened->deselect();
    opened->setCursorPosition(0);
    opened->TypeText(text);
    return true;
}

OvertypeEdit* DataGridView::OpenEdit() const {
    if (state() != QAbstractItemView::EditingState) {
        return nullptr;
    }
    return qobject_cast<OvertypeEdit*>(indexWidget(currentIndex()));
}

void DataGridView::CommitEdit() {
    if (OvertypeEdit* open = OpenEdit()) {
        commitData(open);
        closeEditor(open, QAbstractItemDelegate::NoHint);
    }
}

void DataGridView::StepRecord(int step) {
    const int row = CurrentRow() + step;
    const int field = CurrentField();
    if (row < 0 || row >= model_.rowCount()) {
        QApplication::beep();
        return;
    }
    GoTo(row, field);
    StartEdit();
}

void DataGridView::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        const QString typed = event->text();
        const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter || (!command && !typed.isEmpty() && typed.at(0).isPrint())) {
            StartEdit(enter ? QString() : typed);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void DataGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    StartEdit();
}

void DataGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    emit positionChanged(current.row(), current.column());
}

}  // namespace tk73edit
