#include "apps/detailtool/ui/display_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "apps/detailtool/detail_texts.h"
#include "apps/detailtool/display_setting.h"
#include "apps/detailtool/ui/setting_failure.h"
#include "base/ui/ui_text.h"

namespace tk73dtl {

DisplayDialog::DisplayDialog(const CTK73defReg& definition, FileRow row, QWidget* parent)
    : QDialog(parent),
      definition_(definition),
      row_(std::move(row)),
      fileTitle_(new QLineEdit(tk73::toQString(row_.title), this)),
      iconTitle_(new QLineEdit(tk73::toQString(row_.iconTitle), this)),
      showIcon_(new QCheckBox(this)) {
    setWindowTitle(QString::fromLatin1(kDisplaySetting));
    showIcon_->setChecked(row_.shown);
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromLatin1(kOperationCode),
                 new QLabel(tk73::toQString(fileNumberText(row_.fileNo)), this));
    form->addRow(QString::fromLatin1(kFileTitle), fileTitle_);
    form->addRow(QString::fromLatin1(kIconTitle), iconTitle_);
    form->addRow(QString::fromLatin1(kShowIcon), showIcon_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Store();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void DisplayDialog::Store() {
    FileRow changed = row_;
    changed.title = tk73::fromQString(fileTitle_->text());
    changed.iconTitle = tk73::fromQString(iconTitle_->text());
    changed.shown = showIcon_->isChecked();
    reportUnlessStored(storeDisplaySetting(definition_, row_, changed));
    row_ = changed;
}

}  // namespace tk73dtl
