#include "apps/editors/item/ui/add_scanning_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/item/scanning_code.h"
#include "apps/editors/item/ui/item_texts.h"
#include "base/ui/ui_text.h"

namespace tk73item {

AddScanningDialog::AddScanningDialog(Place place, QWidget* parent)
    : QDialog(parent),
      place_(std::move(place)),
      code_(new QLineEdit),
      ok_(new QPushButton(
          tk73::toQString(tk73editor::editorText(tk73editor::EditorText::OkButton)))) {
    setWindowTitle(itemQText(ItemText::AddTitle));
    code_->setMaxLength(static_cast<int>(kTypedCodeLength));
    code_->setMinimumWidth(code_->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                           static_cast<int>(kStoredCodeLength + 2));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(
        tk73::toQString(tk73editor::editorText(tk73editor::EditorText::CancelButton)),
        QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    ok_->setEnabled(false);
    auto* form = new QFormLayout;
    form->addRow(itemQText(ItemText::AddCode), code_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(code_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &AddScanningDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void AddScanningDialog::accept() {
    if (code_->text().isEmpty() || !place_(tk73::fromQString(code_->text()))) {
        return;
    }
    QDialog::accept();
}

}  // namespace tk73item
