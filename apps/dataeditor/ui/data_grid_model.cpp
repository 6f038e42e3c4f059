#include "apps/dataeditor/ui/data_grid_model.h"

#include "base/ui/ui_text.h"

namespace tk73edit {

namespace {

// Record numbers with five digits, as the entry dialog shows them ("Record #%05d").
constexpr int kRecordDigits = 5;

}  // namespace

DataGridModel::DataGridModel(ProgramDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {}

void DataGridModel::RecordsChanged(int firstRow, int lastRow) {
    emit dataChanged(index(firstRow, 0), index(lastRow, columnCount() - 1));
}

void DataGridModel::ImageReplaced() {
    beginResetModel();
    endResetModel();
}

int DataGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : document_.RecordCount();
}

int DataGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : document_.FieldCount();
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return text_(document_.Shown(index.row(), index.column()));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool DataGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    if (!document_.Commit(index.row(), index.column(), tk73::fromQString(value.toString()))) {
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Vertical) {
        return QStringLiteral("%1").arg(section + 1, kRecordDigits, 10, QLatin1Char('0'));
    }
    const EditField& field = document_.Field(section);
    return field.title.empty() ? QString::number(field.fieldNo) : text_(field.title);
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (document_.Field(index.column()).editable) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

}  // namespace tk73edit
