#include "apps/dataeditor/ui/data_grid_view.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <utility>
#include <vector>

#include "apps/dataeditor/dataeditor_texts.h"
#include "apps/dataeditor/ui/data_grid_model.h"
#include "apps/dataeditor/ui/flat_scroll_style.h"
#include "apps/dataeditor/ui/overtype_edit.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"

namespace tk73edit {

namespace {

constexpr int kNormalPoints = 12;
constexpr int kZoomedPoints = 24;

bool isCommand(const QKeyEvent* event) {
    return (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The grid's lines as rectangles one pixel thick: an opaque rectangle is filled in one go, where
// a line drawn with a pen is blended pixel row by pixel row.
void fillLines(QPainter& painter, const std::vector<QRect>& lines, const QColor& color) {
    for (const QRect& line : lines) {
        painter.fillRect(line, color);
    }
}

}  // namespace

DataGridView::DataGridView(DataGridModel& model, bool zoomed, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model), zoomed_(zoomed) {
    setFocusPolicy(Qt::WheelFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    // Every pixel of the grid is painted by the grid, its scroll bars and their corner: nothing
    // needs to be filled beneath them first.
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    if (model.rowCount() > 0 && model.columnCount() > 0) {
        row_ = 0;
        field_ = 0;
    }
    auto* bars = new FlatScrollStyle;
    bars->setParent(this);
    verticalScrollBar()->setStyle(bars);
    horizontalScrollBar()->setStyle(bars);
    connect(&model, &DataGridModel::dataChanged, viewport(), qOverload<>(&QWidget::update));
    // Another image (an import) may hold another number of records: the rows, the width of the
    // record numbers and the scroll range follow it.
    connect(&model, &DataGridModel::modelReset, this, [this] {
        row_ = std::min(row_, model_.rowCount() - 1);
        ApplyFont();
    });
    ApplyFont();
}

void DataGridView::SetZoom(bool zoomed) {
    CommitEdit();
    zoomed_ = zoomed;
    ApplyFont();
    if (row_ >= 0) {
        ScrollTo(row_, field_);
    }
}

void DataGridView::ApplyFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(zoomed_ ? kZoomedPoints : kNormalPoints);
    setFont(font);
    metrics_ = GridMetrics(font, model_);
    glyphs_ = PlainGlyphRun(font);
    UpdateScrollBars();
    viewport()->update();
}

int DataGridView::FirstRow() const {
    return verticalScrollBar()->value();
}

int DataGridView::FullRows() const {
    return std::max(1, (viewport()->height() - metrics_.HeaderHeight()) / metrics_.RowHeight());
}

int DataGridView::ColumnOffset() const {
    return horizontalScrollBar()->value();
}

void DataGridView::UpdateScrollBars() {
    const int rows = FullRows();
    verticalScrollBar()->setRange(0, std::max(0, model_.rowCount() - rows));
    verticalScrollBar()->setPageStep(rows);
    const int room = std::max(0, viewport()->width() - metrics_.NumberWidth());
    horizontalScrollBar()->setRange(0, std::max(0, metrics_.ColumnsWidth() - room));
    horizontalScrollBar()->setPageStep(room);
    horizontalScrollBar()->setSingleStep(metrics_.RowHeight());
}

void DataGridView::ScrollTo(int row, int field) {
    const int first = FirstRow();
    const int rows = FullRows();
    if (row < first) {
        verticalScrollBar()->setValue(row);
    } else if (row >= first + rows) {
        verticalScrollBar()->setValue(row - rows + 1);
    }
    const int room = viewport()->width() - metrics_.NumberWidth();
    const int left = metrics_.ColumnLeft(field);
    const int right = left + metrics_.ColumnWidth(field);
    if (left < ColumnOffset()) {
        horizontalScrollBar()->setValue(left);
    } else if (right > ColumnOffset() + room) {
        horizontalScrollBar()->setValue(std::min(left, right - room));
    }
}

QRect DataGridView::CellRect(int row, int field) const {
    const QRect number = NumberRect(row);
    return {number.right() + 1 + metrics_.ColumnLeft(field) - ColumnOffset(), number.top(),
            metrics_.ColumnWidth(field), number.height()};
}

QRect DataGridView::TitleRect(int field) const {
    return {metrics_.NumberWidth() + metrics_.ColumnLeft(field) - ColumnOffset(), 0,
            metrics_.ColumnWidth(field), metrics_.HeaderHeight()};
}

QRect DataGridView::NumberRect(int row) const {
    return {0, metrics_.HeaderHeight() + (row - FirstRow()) * metrics_.RowHeight(),
            metrics_.NumberWidth(), metrics_.RowHeight()};
}

int DataGridView::RowAt(int y) const {
    if (y < metrics_.HeaderHeight()) {
        return -1;
    }
    const int row = FirstRow() + (y - metrics_.HeaderHeight()) / metrics_.RowHeight();
    return row < model_.rowCount() ? row : -1;
}

void DataGridView::GoTo(int row, int field) {
    CommitEdit();
    ScrollTo(row, field);
    if (row == row_ && field == field_) {
        return;
    }
    row_ = row;
    field_ = field;
    viewport()->update();
    emit positionChanged(row, field);
}

bool DataGridView::StartEdit(const QString& text) {
    if (row_ < 0) {
        return false;
    }
    if (!model_.Document().Field(field_).editable) {
        QApplication::beep();
        tk73::ui().message(kCannotEdit, kAppTitle, tk73::MessageIcon::Exclamation);
        return false;
    }
    if (edit_ != nullptr) {
        return edit_->TypeText(text);
    }
    ScrollTo(row_, field_);
    edit_ = new OvertypeEdit(viewport());
    edit_->setFont(font());
    connect(edit_, &OvertypeEdit::recordStep, this, &DataGridView::StepRecord);
    connect(edit_, &OvertypeEdit::overtypeChanged, this, &DataGridView::overtypeChanged);
    const std::string value = model_.Document().Shown(row_, field_);
    edit_->Begin(model_.Document().Field(field_), value);
    beganWith_ = tk73::toQString(value);
    edit_->installEventFilter(this);
    PlaceEdit();
    edit_->show();
    edit_->setFocus();
    edit_->TypeText(text);
    return true;
}

void DataGridView::CommitEdit() {
    CloseEdit(true);
}

void DataGridView::CloseEdit(bool commit) {
    OvertypeEdit* edit = std::exchange(edit_, nullptr);
    if (edit == nullptr) {
        return;
    }
    if (commit && edit->text() != beganWith_) {
        model_.setData(model_.index(row_, field_), edit->text(), Qt::EditRole);
    }
    edit->removeEventFilter(this);
    if (edit->hasFocus()) {
        setFocus();
    }
    edit->hide();
    // The edit may be closing from inside one of its own events.
    edit->deleteLater();
}

void DataGridView::PlaceEdit() {
    if (edit_ != nullptr) {
        edit_->setGeometry(CellRect(row_, field_));
    }
}

void DataGridView::StepRecord(int step) {
    const int row = row_ + step;
    if (row < 0 || row >= model_.rowCount()) {
        QApplication::beep();
        return;
    }
    GoTo(row, field_);
    StartEdit();
}

void DataGridView::StepField(int step) {
    const int fields = model_.columnCount();
    const int cell = std::clamp(row_ * fields + field_ + step, 0, model_.rowCount() * fields - 1);
    GoTo(cell / fields, cell % fields);
}

bool DataGridView::focusNextPrevChild(bool /*next*/) {
    return false;
}

bool DataGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || edit_ == nullptr) {
        return QAbstractScrollArea::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key) || key->key() == Qt::Key_Escape) {
            CloseEdit(key->key() != Qt::Key_Escape);
            return true;
        }
        if (!isCommand(key) && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            StepField(key->key() == Qt::Key_Tab ? 1 : -1);
            if (model_.Document().Field(field_).editable) {
                StartEdit();
            }
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A menu of the edit keeps the focus on it; anything else that takes it ends the edit.
        const QWidget* focus = QApplication::focusWidget();
        if (focus != edit_ && (focus == nullptr || !edit_->isAncestorOf(focus))) {
            CloseEdit(true);
        }
    }
    return false;
}

void DataGridView::keyPressEvent(QKeyEvent* event) {
    if (row_ < 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    if (isEnter(event) || (!isCommand(event) && !typed.isEmpty() && typed.at(0).isPrint())) {
        // A key the open edit refused does not start another.
        if (edit_ == nullptr) {
            StartEdit(isEnter(event) ? QString() : typed);
        }
        return;
    }
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    const int lastRow = model_.rowCount() - 1;
    const int lastField = model_.columnCount() - 1;
    int row = row_;
    int field = field_;
    switch (event->key()) {
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_Left:
            --field;
            break;
        case Qt::Key_Right:
            ++field;
            break;
        case Qt::Key_PageUp:
            row -= FullRows();
            break;
        case Qt::Key_PageDown:
            row += FullRows();
            break;
        case Qt::Key_Home:
            field = 0;
            row = control ? 0 : row;
            break;
        case Qt::Key_End:
            field = lastField;
            row = control ? lastRow : row;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            StepField(event->key() == Qt::Key_Tab ? 1 : -1);
            return;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    GoTo(std::clamp(row, 0, lastRow), std::clamp(field, 0, lastField));
}

void DataGridView::inputMethodEvent(QInputMethodEvent* event) {
    // Characters composed by an input method start the edit as typed ones do.
    if (edit_ == nullptr && !event->commitString().isEmpty()) {
        StartEdit(event->commitString());
    }
    event->accept();
}

void DataGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || row_ < 0) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const int row = RowAt(at.y());
    const int field = at.x() < metrics_.NumberWidth()
                          ? -1
                          : metrics_.ColumnAt(at.x() - metrics_.NumberWidth() + ColumnOffset());
    // A record number picks the record, a title the field.
    if (row >= 0 || field >= 0) {
        GoTo(row >= 0 ? row : row_, field >= 0 ? field : field_);
    }
}

void DataGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && RowAt(event->position().toPoint().y()) >= 0) {
        StartEdit();
    }
}

void DataGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    PlaceEdit();
}

void DataGridView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
    PlaceEdit();
}

void DataGridView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(metrics_.NumberWidth(), metrics_.HeaderHeight(), viewport()->width(),
                     viewport()->height(), palette().base());
    const int first = FirstRow();
    const int shown = (viewport()->height() - metrics_.HeaderHeight()) / metrics_.RowHeight() + 1;
    const int last = std::min(model_.rowCount(), first + shown) - 1;
    PaintCells(painter, first, last);
    PaintHeaders(painter, first, last);
}

void DataGridView::PaintCells(QPainter& painter, int firstRow, int lastRow) {
    if (lastRow < firstRow || metrics_.ColumnCount() == 0) {
        return;
    }
    const QRect cells(metrics_.NumberWidth(), metrics_.HeaderHeight(), viewport()->width(),
                      viewport()->height());
    const QPalette& colors = palette();
    painter.setPen(colors.text().color());
    std::vector<QRect> lines;
    const int bottom = CellRect(lastRow, 0).bottom();
    for (int field = 0; field < metrics_.ColumnCount(); ++field) {
        const QRect column = CellRect(firstRow, field);
        if (column.left() > cells.right()) {
            break;
        }
        if (column.right() < cells.left()) {
            continue;
        }
        for (int row = firstRow; row <= lastRow; ++row) {
            const QRect cell = CellRect(row, field);
            if (row == row_ && field == field_) {
                painter.fillRect(cell & cells, colors.highlight());
            } else if (!glyphs_.Add(model_.Document().Shown(row, field), TextOrigin(cell))) {
                PaintText(painter, cell & cells, row, field);
            }
        }
        lines.emplace_back(QPoint(column.right(), cells.top()), QPoint(column.right(), bottom));
    }
    // The headers are painted over the cells: a value of a column scrolled half under the
    // record numbers needs no clipping here.
    glyphs_.Draw(painter);
    if (row_ >= firstRow && row_ <= lastRow) {
        painter.setPen(colors.highlightedText().color());
        const QRect current = CellRect(row_, field_);
        if (glyphs_.Add(model_.Document().Shown(row_, field_), TextOrigin(current))) {
            glyphs_.Draw(painter);
        } else {
            PaintText(painter, current & cells, row_, field_);
        }
    }
    const int right =
        std::min(cells.right(), CellRect(firstRow, metrics_.ColumnCount() - 1).right());
    for (int row = firstRow; row <= lastRow; ++row) {
        const int y = CellRect(row, 0).bottom();
        lines.emplace_back(QPoint(cells.left(), y), QPoint(right, y));
    }
    QStyleOption option;
    option.initFrom(this);
    fillLines(painter, lines,
              QColor::fromRgba(static_cast<QRgb>(
                  style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this))));
}

void DataGridView::PaintText(QPainter& painter, const QRect& clip, int row, int field) const {
    // A value with double-byte characters may be wider than the room its width gives.
    painter.save();
    painter.setClipRect(clip);
    painter.drawText(TextOrigin(CellRect(row, field)),
                     model_.data(model_.index(row, field)).toString());
    painter.restore();
}

QPoint DataGridView::TextOrigin(const QRect& cell) const {
    const QFontMetrics& text = fontMetrics();
    return {cell.left() + GridMetrics::kTextMargin,
            cell.top() + (cell.height() - text.height()) / 2 + text.ascent()};
}

void DataGridView::PaintHeaders(QPainter& painter, int firstRow, int lastRow) {
    const QPalette& colors = palette();
    const int header = metrics_.HeaderHeight();
    const int numbers = metrics_.NumberWidth();
    painter.fillRect(numbers, 0, viewport()->width(), header, colors.button());
    std::vector<QRect> lines{{QPoint(0, header - 1), QPoint(viewport()->width(), header - 1)},
                             {QPoint(numbers - 1, 0), QPoint(numbers - 1, viewport()->height())}};
    painter.setPen(colors.buttonText().color());
    for (int field = 0; field < metrics_.ColumnCount(); ++field) {
        const QRect title = TitleRect(field);
        if (title.left() > viewport()->width()) {
            break;
        }
        const QPoint origin(title.left() + (title.width() - metrics_.TitleWidth(field)) / 2,
                            TextOrigin(title).y());
        if (!glyphs_.Add(metrics_.Title(field), origin)) {
            painter.drawText(origin, metrics_.Title(field));
        }
        lines.emplace_back(QPoint(title.right(), 0), QPoint(title.right(), header - 1));
    }
    glyphs_.Draw(painter);
    // The record numbers' column goes over the titles of columns scrolled under it.
    painter.fillRect(0, 0, numbers, viewport()->height(), colors.button());
    const int numberLeft = numbers - GridMetrics::kTextMargin * 2 - metrics_.NumberTextWidth();
    for (int row = firstRow; row <= lastRow; ++row) {
        const QRect number = NumberRect(row);
        glyphs_.Add(model_.headerData(row, Qt::Vertical).toString(),
                    QPoint(numberLeft, TextOrigin(number).y()));
        lines.emplace_back(QPoint(0, number.bottom()), QPoint(numbers - 1, number.bottom()));
    }
    glyphs_.Draw(painter);
    fillLines(painter, lines, colors.mid().color());
}

}  // namespace tk73edit
