#pragma once
// The grid's rows and columns over the document: one row per record, one column per field of the
// program view. Nothing is copied: every cell is read from the file image when the view asks for
// it, so a view that paints one screen reads one screen of records.

#include <QAbstractTableModel>

#include "apps/dataeditor/program_document.h"
#include "apps/dataeditor/ui/cell_text.h"

namespace tk73edit {

class DataGridModel : public QAbstractTableModel {
  public:
    explicit DataGridModel(ProgramDocument& document, QObject* parent = nullptr);

    ProgramDocument& Document() const { return document_; }
    const EditField& Field(const QModelIndex& index) const {
        return document_.Field(index.column());
    }

    // Tells the views that the records changed in the document.
    void RecordsChanged(int firstRow, int lastRow);
    // Tells the views that the document holds another image (its record count may differ).
    void ImageReplaced();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A typed value committed from the in-place edit (see ProgramDocument::Commit).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    ProgramDocument& document_;
    CellText text_;
};

}  // namespace tk73edit
