#include "storedb/ui/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include "base/ui/ui_text.h"

namespace tk73storeui {

QLabel* promptLabel(const std::string& text) {
    auto* label = new QLabel(tk73::toQString(text));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

std::string ownerCaption(const QDialog* dialog) {
    const QWidget* owner =
        dialog->parentWidget() != nullptr ? dialog->parentWidget()->window() : dialog;
    return tk73::fromQString(owner->windowTitle());
}

}  // namespace tk73storeui
