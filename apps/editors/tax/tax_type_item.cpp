#include "apps/editors/tax/tax_type_item.h"

#include <QAbstractButton>

#include "apps/editors/tax/tax_texts.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"

namespace tk73tax {

namespace {

constexpr int kOther = 2;

}  // namespace

TaxTypeItem::TaxTypeItem(QWidget* page, int menuNo, int itemNo, int record)
    : ChoiceItem(page, Style::Options,
                 {taxText(TaxText::AddIn), taxText(TaxText::AddOn), taxText(TaxText::Other)},
                 {0, 1, 2}, menuNo, itemNo, record) {}

void TaxTypeItem::Prepare(tk73editor::PgmMenuContext& context, const tagPGMITEMDEF& definition) {
    ChoiceItem::Prepare(context, definition);
    for (int entry = 0; QAbstractButton* button = OptionButton(entry); ++entry) {
        // Runs before the choice counts as the user's, so a choice taken back never does.
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this, entry] { Clicked(entry); });
    }
}

void TaxTypeItem::Show(const tagPGMITEMDATA& value) {
    ChoiceItem::Show(value);
    current_ = ChosenEntry();
    if (QAbstractButton* other = OptionButton(kOther)) {
        other->setEnabled(current_ == kOther);
    }
}

void TaxTypeItem::Clicked(int entry) {
    if (entry == current_) {
        return;
    }
    QAbstractButton* other = OptionButton(kOther);
    if (current_ == kOther && other != nullptr) {
        const std::string caption = tk73::fromQString(Control()->window()->windowTitle());
        if (tk73::ui().question(taxText(TaxText::LoseOtherTable), caption, tk73::Buttons::YesNo,
                                tk73::Button::No,
                                tk73::MessageIcon::Exclamation) != tk73::Button::Yes) {
            other->setChecked(true);
            other->setFocus();
            return;
        }
        other->setEnabled(false);
        for (KeptValueItem* value : otherValues_) {
            value->Set(0);
        }
    }
    current_ = entry;
}

}  // namespace tk73tax
