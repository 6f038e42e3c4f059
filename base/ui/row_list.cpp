#include "base/ui/row_list.h"

#include <QTreeWidget>

namespace tk73 {

void setUpRowList(QTreeWidget* list, const QStringList& headings) {
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
}

void fitColumnsToContents(QTreeWidget* list) {
    for (int column = 0; column < list->columnCount(); ++column) {
        list->resizeColumnToContents(column);
    }
}

}  // namespace tk73
