#pragma once
// Paints the grid's cells, opens the in-place edit of a cell and commits its value. A value is
// committed only when it differs from the one shown when the edit began, so leaving a field
// untouched changes no byte of the file.

#include <QStyledItemDelegate>

namespace tk73edit {

class DataGridModel;

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit GridDelegate(DataGridModel& model, QObject* parent = nullptr);

    // The cell's text on its background, without the style's item machinery: a screen of the
    // grid is hundreds of cells, and this is what a user waits for after a jump.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

  signals:
    // The edit asked for the same field of another record (-1 previous, 1 next).
    void recordStep(int step);
    void overtypeChanged(bool overtype);

  private:
    DataGridModel& model_;
};

}  // namespace tk73edit
