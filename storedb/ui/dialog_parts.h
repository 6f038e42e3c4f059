#pragma once
// Small pieces every store dialog is built from, so that they look and behave alike.

#include <string>

class QDialog;
class QDialogButtonBox;
class QLabel;

namespace tk73storeui {

// A prompt of one or more lines, shown as the text gives its line breaks.
QLabel* promptLabel(const std::string& text);
// OK and Cancel at the foot of the dialog: Enter is OK, Escape is Cancel.
QDialogButtonBox* okCancelButtons(QDialog* dialog);
// The caption of the window a dialog belongs to (the program's main window where it has one).
std::string ownerCaption(const QDialog* dialog);

}  // namespace tk73storeui
