#pragma once
// The lists of rows that the dialogs show (machines, changes, transfers): a tree widget with
// column headings and nothing drawn at the root, as no row has rows below it.

#include <QStringList>

class QTreeWidget;

namespace tk73 {

void setUpRowList(QTreeWidget* list, const QStringList& headings);
// Every column as wide as its heading and its widest text.
void fitColumnsToContents(QTreeWidget* list);

}  // namespace tk73
