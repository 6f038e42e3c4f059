#pragma once
// Whether the texts of a control have the room they need: the text of a label, button, edit
// field or group title, the tabs of a tab bar, and the cells and column titles of a list.

#include <QStringList>
#include <QWidget>

class QAbstractItemView;

namespace tk73test {

// Whether the control shows its whole text in the room it has; true for a control without one.
bool textFits(const QWidget* control);

// The cells and column titles of a table or tree whose column cuts their text, every row of the
// list counted (the user scrolls to the others).
QStringList cutCells(const QAbstractItemView* list);

}  // namespace tk73test
