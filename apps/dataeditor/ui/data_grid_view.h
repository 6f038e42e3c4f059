#pragma once
// The grid of the data editor: the records as rows under a header row of field titles, each with
// its record number at the left, both always in view. It moves like a spreadsheet (arrows, Page
// Up and Page Down, Home and End, Ctrl+Home and Ctrl+End); Enter, a double click or any printable
// character starts the in-place edit of the current field, the character typed over it.

#include <QTableView>

namespace tk73edit {

class DataGridModel;
class GridDelegate;
class OvertypeEdit;

class DataGridView : public QTableView {
    Q_OBJECT

  public:
    DataGridView(DataGridModel& model, bool zoomed, QWidget* parent = nullptr);

    // The "Courier" font at 12 points, or 24 when zoomed; columns and rows follow it.
    void SetZoom(bool zoomed);
    bool Zoomed() const { return zoomed_; }

    int CurrentRow() const { return currentIndex().row(); }
    int CurrentField() const { return currentIndex().column(); }
    void GoTo(int row, int field);

    // Starts the in-place edit of the current field and types the text into it; false after
    // "Cannot edit this field" and a beep when the field cannot be edited.
    bool StartEdit(const QString& text = QString());
    // The in-place edit when one is open.
    OvertypeEdit* OpenEdit() const;
    // Commits the open in-place edit, if any, and closes it.
    void CommitEdit();

  signals:
    void overtypeChanged(bool overtype);
    void positionChanged(int row, int field);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void StepRecord(int step);
    // The font and the row height; before the model is set, so that no row is visited.
    void ApplyFont();
    void FitColumns();

    DataGridModel& model_;
    GridDelegate* delegate_;
    bool zoomed_ = false;
};

}  // namespace tk73edit
