#include "apps/detailtool/ui/field_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "apps/detailtool/detail_texts.h"
#include "apps/detailtool/field_attribute.h"
#include "apps/detailtool/ui/setting_failure.h"
#include "base/ui/ui_text.h"

namespace tk73dtl {

namespace {

// YES first, so the index is the flag's complement.
QComboBox* yesNo(bool yes, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems({QString::fromLatin1(kYes), QString::fromLatin1(kNo)});
    box->setCurrentIndex(yes ? 0 : 1);
    return box;
}

}  // namespace

FieldDialog::FieldDialog(const CTK73defReg& definition, int fileNo, FIELD_INFO field,
                         QWidget* parent)
    : QDialog(parent),
      definition_(definition),
      fileNo_(fileNo),
      field_(std::move(field)),
      title_(new QLineEdit(tk73::toQString(field_.title), this)),
      display_(yesNo(field_.display != 0, this)),
      editable_(yesNo(field_.edit != 0, this)),
      mask_(new QLineEdit(tk73::toQString(field_.mask), this)) {
    setWindowTitle(QString::fromLatin1(kFieldAttribute));
    title_->setMaxLength(static_cast<int>(FIELD_INFO::kMaxText));
    mask_->setMaxLength(static_cast<int>(FIELD_INFO::kMaxText));
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromLatin1(kFieldTitle), title_);
    form->addRow(QString::fromLatin1(kDisplay), display_);
    form->addRow(QString::fromLatin1(kEditable), editable_);
    form->addRow(QString::fromLatin1(kMask), mask_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Store();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void FieldDialog::Store() {
    field_.title = tk73::fromQString(title_->text());
    field_.display = display_->currentIndex() == 0 ? 1 : 0;
    field_.edit = editable_->currentIndex() == 0 ? 1 : 0;
    field_.mask = tk73::fromQString(mask_->text());
    reportUnlessStored(storeFieldAttribute(definition_, fileNo_, field_));
    mask_->setText(tk73::toQString(field_.mask));
}

}  // namespace tk73dtl
