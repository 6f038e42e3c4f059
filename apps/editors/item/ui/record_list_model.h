#pragma once
// The records of a page set as the rows of its list: "Mem No." and the set's columns that the
// model defines. The values are read from the maintenance file in one request when the list
// opens; a record that the editor wrote (or a record dialog that was cancelled) is read again
// on its own.

#include <QAbstractTableModel>

#include <vector>

#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/menu_items.h"

namespace tk73item {

class RecordListModel : public QAbstractTableModel {
  public:
    RecordListModel(tk73editor::PgmMenuContext& context, const ItemPageSet& set,
                    const MenuItems& items, QObject* parent = nullptr);

    // Reads every record's column values; 1 on success (the list is empty otherwise).
    [[nodiscard]] int Load();
    // Reads the record's values again; 1 on success.
    int ReloadRecord(int record);

    // The item a column shows; null for "Mem No.".
    const MenuItem* ColumnItem(int column) const;

    [[nodiscard]] int RecordAt(int row) const { return items_.firstRecord + row; }
    [[nodiscard]] int RowOf(int record) const { return record - items_.firstRecord; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    struct Column {
        const MenuItem* item;
        std::vector<int> kindValues;
    };

    QString Text(int row, int column) const;
    Qt::Alignment Alignment(int column) const;

    tk73editor::PgmMenuContext& context_;
    const ItemPageSet& set_;
    const MenuItems& items_;
    std::vector<Column> columns_;
    std::vector<tagPGMITEMDEF> defs_;
    std::vector<PGMITEMDATAARRAY> values_;
    int rows_ = 0;
};

}  // namespace tk73item
