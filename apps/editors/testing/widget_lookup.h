#pragma once
// Finding and working the controls of a page set in a test, as a user would.

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace tk73editortest {

// The button with the text inside the widget (an option of a choice item, a dialog button);
// null when there is none.
QAbstractButton* buttonIn(const QWidget* widget, const QString& text);
// Replaces the field's text by typing, so that the field counts as edited.
void retype(QLineEdit* field, const QString& text);
// The field of an item control.
inline QLineEdit* fieldOf(QWidget* control) {
    return qobject_cast<QLineEdit*>(control);
}

}  // namespace tk73editortest
