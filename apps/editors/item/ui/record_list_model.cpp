#include "apps/editors/item/ui/record_list_model.h"

#include "apps/editors/item/item_value_text.h"
#include "apps/editors/item/scanning_code.h"
#include "base/ui/ui_text.h"

namespace tk73item {

namespace {

const char* const kMemoryNumberTitle = "Mem No.";

}  // namespace

RecordListModel::RecordListModel(tk73editor::PgmMenuContext& context, const ItemPageSet& set,
                                 const MenuItems& items, QObject* parent)
    : QAbstractTableModel(parent), context_(context), set_(set), items_(items) {
    for (const int itemNo : set.columns) {
        const MenuItem* item = items.Find(itemNo);
        if (item == nullptr) {
            continue;
        }
        Column column{item, {}};
        if (item->meaning != nullptr &&
            !context.GetValueList(set.menuNo, itemNo, column.kindValues)) {
            column.kindValues = item->meaning->builtInValues;
        }
        columns_.push_back(std::move(column));
        defs_.push_back(item->def);
    }
}

int RecordListModel::Load() {
    beginResetModel();
    values_.assign(defs_.size(), PGMITEMDATAARRAY());
    rows_ = items_.recordCount;
    const bool read =
        defs_.empty() || context_.Handle().ReadItems(defs_.data(), static_cast<int>(defs_.size()),
                                                     items_.firstRecord, rows_, values_.data(), 0);
    if (!read) {
        rows_ = 0;
    }
    endResetModel();
    return read ? 1 : 0;
}

int RecordListModel::ReloadRecord(int record) {
    const int row = RowOf(record);
    if (row < 0 || row >= rows_ || defs_.empty()) {
        return 0;
    }
    if (!context_.Handle().ReadItems(defs_.data(), static_cast<int>(defs_.size()), record, 1,
                                     values_.data(), row)) {
        return 0;
    }
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    return 1;
}

const MenuItem* RecordListModel::ColumnItem(int column) const {
    return column > 0 && column <= static_cast<int>(columns_.size())
               ? columns_[static_cast<size_t>(column - 1)].item
               : nullptr;
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int RecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size()) + 1;
}

QString RecordListModel::Text(int row, int column) const {
    if (column == 0) {
        return QString::number(RecordAt(row));
    }
    const Column& shown = columns_[static_cast<size_t>(column - 1)];
    const tagPGMITEMDATA& value =
        values_[static_cast<size_t>(column - 1)][static_cast<size_t>(row)];
    if (shown.item->itemNo == set_.codeItem && value.text == kFreeCode) {
        return QString();
    }
    return tk73::toQString(ItemValueText(*shown.item, value, shown.kindValues));
}

Qt::Alignment RecordListModel::Alignment(int column) const {
    const MenuItem* item = ColumnItem(column);
    if (item == nullptr) {
        return Qt::AlignRight;
    }
    // Texts and kinds read from the left, marks sit in the middle, numbers line up right.
    if (item->def.nDataType == PGM_DATA_CHAR ||
        (item->meaning != nullptr && !item->meaning->kinds.empty())) {
        return Qt::AlignLeft;
    }
    return item->def.nDataType == PGM_DATA_BIT ? Qt::AlignHCenter : Qt::AlignRight;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) {
        return QVariant();
    }
    if (role == Qt::DisplayRole) {
        return Text(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter | Alignment(index.column()));
    }
    return QVariant();
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QVariant();
    }
    if (section == 0) {
        return QString::fromLatin1(kMemoryNumberTitle);
    }
    return tk73::toQString(columns_[static_cast<size_t>(section - 1)].item->label);
}

}  // namespace tk73item
