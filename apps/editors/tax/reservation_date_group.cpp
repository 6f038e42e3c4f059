#include "apps/editors/tax/reservation_date_group.h"

#include <QButtonGroup>
#include <QHBoxLayout>

#include "apps/editors/tax/tax_texts.h"
#include "base/ui/ui_text.h"

namespace tk73tax {

ReservationDateGroup::ReservationDateGroup(QWidget* parent)
    : QGroupBox(tk73::toQString(taxText(TaxText::DateGroup)), parent),
      notProgrammed_(new QRadioButton(tk73::toQString(taxText(TaxText::NotProgrammed)), this)),
      programmed_(new QRadioButton(tk73::toQString(taxText(TaxText::Programmed)), this)),
      picker_(new QDateEdit(this)) {
    auto* choice = new QButtonGroup(this);
    choice->addButton(notProgrammed_);
    choice->addButton(programmed_);
    picker_->setCalendarPopup(true);
    picker_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(notProgrammed_);
    layout->addWidget(programmed_);
    layout->addWidget(picker_);
    layout->addStretch();
    connect(programmed_, &QRadioButton::toggled, this, [this](bool on) {
        picker_->setEnabled(on);
        Changed();
    });
    connect(picker_, &QDateEdit::dateChanged, this, [this] { Changed(); });
    ShowNotProgrammed(QDate::currentDate());
}

void ReservationDateGroup::Changed() {
    if (changed_) {
        changed_();
    }
}

void ReservationDateGroup::ShowProgrammed(const QDate& date) {
    picker_->setDate(date);
    programmed_->setChecked(true);
    picker_->setEnabled(true);
}

void ReservationDateGroup::ShowNotProgrammed(const QDate& today) {
    picker_->setDate(today);
    notProgrammed_->setChecked(true);
    picker_->setEnabled(false);
}

void ReservationDateGroup::SetAvailable(bool available) {
    if (!available) {
        ShowNotProgrammed(QDate::currentDate());
    }
    notProgrammed_->setEnabled(available);
    programmed_->setEnabled(available);
}

}  // namespace tk73tax
