#include "storedb/ui/dialog_parts.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

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

void widenFor(QLineEdit* field, const QString& text) {
    // Beside its text a field keeps a margin of two on either side, its text margins, its frame,
    // and room for the cursor before the first or after the last character.
    const QStyle* style = field->style();
    const QMargins margins = field->textMargins();
    const int width = field->fontMetrics().horizontalAdvance(text) + margins.left() +
                      margins.right() +
                      2 * (2 + style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field) +
                           style->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, field));
    field->setMinimumWidth(std::max(field->minimumWidth(), width));
}

void widenFor(QAbstractScrollArea* list, int width) {
    const int whole =
        width + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(std::max(list->minimumWidth(), whole));
}

std::string ownerCaption(const QDialog* dialog) {
    const QWidget* owner =
        dialog->parentWidget() != nullptr ? dialog->parentWidget()->window() : dialog;
    return tk73::fromQString(owner->windowTitle());
}

}  // namespace tk73storeui
