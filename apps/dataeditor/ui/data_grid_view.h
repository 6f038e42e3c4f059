#pragma once
// The grid of the data editor: the records as rows under a header row of field titles, each with
// its record number at the left, both always in view. It moves like a spreadsheet (arrows, Page
// Up and Page Down, Home and End, Ctrl+Home and Ctrl+End, Tab and Shift+Tab); Enter, a double
// click or any printable character starts the in-place edit of the current field, the character
// typed over it.
//
// The grid paints itself, and only the rows and columns in view: a file holds up to 99,999
// records, and a view that keeps anything per row builds it for every record before it shows
// the first screen.

#include <QAbstractScrollArea>
#include <QString>

#include "apps/dataeditor/ui/grid_metrics.h"
#include "apps/dataeditor/ui/plain_glyph_run.h"

namespace tk73edit {

class DataGridModel;
class OvertypeEdit;

class DataGridView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    DataGridView(DataGridModel& model, bool zoomed, QWidget* parent = nullptr);

    // The "Courier" font at 12 points, or 24 when zoomed; columns and rows follow it.
    void SetZoom(bool zoomed);
    bool Zoomed() const { return zoomed_; }

    // The current record and field; -1 when the file has no record.
    int CurrentRow() const { return row_; }
    int CurrentField() const { return field_; }
    // Makes the field of the record current and scrolls it into view.
    void GoTo(int row, int field);

    // Starts the in-place edit of the current field and types the text into it; false after
    // "Cannot edit this field" and a beep when the field cannot be edited.
    bool StartEdit(const QString& text = QString());
    // The in-place edit when one is open.
    OvertypeEdit* OpenEdit() const { return edit_; }
    // Commits the open in-place edit, if any, and closes it.
    void CommitEdit();

    // Where the grid paints, in the viewport's coordinates: a field's cell of a record, the
    // field's title in the header row and the record's number at the left. A record scrolled
    // out of view lies above or below the viewport.
    QRect CellRect(int row, int field) const;
    QRect TitleRect(int field) const;
    QRect NumberRect(int row) const;
    // The record painted at the height of the viewport; -1 on the header row and below the last.
    int RowAt(int y) const;
    const GridMetrics& Metrics() const { return metrics_; }

  signals:
    void overtypeChanged(bool overtype);
    void positionChanged(int row, int field);

  protected:
    // Tab and Shift+Tab move between the fields instead of leaving the grid.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // The keys and the focus of the in-place edit: Enter commits it, Escape drops it, Tab and
    // Shift+Tab commit it and edit the next or previous field, and it commits when the focus
    // leaves it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StepRecord(int step);
    // The field after (1) or before (-1) the current one, into the next or previous record.
    void StepField(int step);
    void CloseEdit(bool commit);
    void PlaceEdit();
    void ApplyFont();
    void UpdateScrollBars();
    void ScrollTo(int row, int field);
    int FirstRow() const;
    // The records that fit whole below the header row.
    int FullRows() const;
    int ColumnOffset() const;
    void PaintCells(QPainter& painter, int firstRow, int lastRow);
    void PaintHeaders(QPainter& painter, int firstRow, int lastRow);
    // A value drawn as a text of its own, clipped to its cell.
    void PaintText(QPainter& painter, const QRect& clip, int row, int field) const;
    // The start of the baseline of a text in the cell, centred in its height.
    QPoint TextOrigin(const QRect& cell) const;

    DataGridModel& model_;
    GridMetrics metrics_;
    PlainGlyphRun glyphs_;
    bool zoomed_ = false;
    int row_ = -1;
    int field_ = -1;
    OvertypeEdit* edit_ = nullptr;
    // The shown value the open edit began with: only a changed value is committed, so leaving
    // a field untouched changes no byte of the file.
    QString beganWith_;
};

}  // namespace tk73edit
