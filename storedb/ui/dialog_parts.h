#pragma once
// Small pieces every store dialog is built from, so that they look and behave alike.

#include <string>

class QAbstractScrollArea;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QString;

namespace tk73storeui {

// A prompt of one or more lines, shown as the text gives its line breaks.
QLabel* promptLabel(const std::string& text);
// OK and Cancel at the foot of the dialog: Enter is OK, Escape is Cancel.
QDialogButtonBox* okCancelButtons(QDialog* dialog);
// Widens the field, where it is narrower, so that it shows the text whole.
void widenFor(QLineEdit* field, const QString& text);
// Widens the list, where it is narrower, so that lines as wide as the width show whole beside its
// vertical scroll bar, without scrolling sideways.
void widenFor(QAbstractScrollArea* list, int width);
// The caption of the window a dialog belongs to (the program's main window where it has one).
std::string ownerCaption(const QDialog* dialog);

}  // namespace tk73storeui
