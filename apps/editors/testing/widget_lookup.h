#pragma once
// Finding and working the controls of a page set in a test, as a user would.

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include "apps/editors/framework/page_set_dialog.h"

namespace tk73editortest {

// The button with the text inside the widget (an option of a choice item, a dialog button);
// null when there is none.
QAbstractButton* buttonIn(const QWidget* widget, const QString& text);
// Replaces the field's text by typing, so that the field counts as edited.
void retype(QLineEdit* field, const QString& text);
// The item of a page set for a menu item and record (-1: in any record, for an item shown
// once); null when the set has none.
tk73editor::PageItem* itemOf(const tk73editor::PageSetDialog& set, int menuNo, int itemNo,
                             int record = -1);
// An option of an item's control by its text; null when there is none.
QAbstractButton* optionOf(tk73editor::PageItem* item, const QString& text);
// The field of an item control.
inline QLineEdit* fieldOf(QWidget* control) {
    return qobject_cast<QLineEdit*>(control);
}

}  // namespace tk73editortest
