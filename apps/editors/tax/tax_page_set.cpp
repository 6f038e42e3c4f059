#include "apps/editors/tax/tax_page_set.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/tax/tax_texts.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"

namespace tk73tax {

TaxPageSet::TaxPageSet(tk73editor::PgmMenuContext& context, const std::string& title)
    : PageSetDialog(context, title) {}

QGroupBox* TaxPageSet::TableGroup(const std::string& title, QGridLayout*& grid) {
    auto* group = new QGroupBox(tk73::toQString(title));
    grid = new QGridLayout(group);
    grid->setColumnStretch(2, 1);
    return group;
}

void TaxPageSet::PlaceRow(QGridLayout& grid, const std::string& label, QWidget* control) {
    const int row = grid.rowCount();
    grid.addWidget(new QLabel(tk73::toQString(label)), row, 0);
    grid.addWidget(control, row, 1, 1, 2);
}

void TaxPageSet::PlaceChoice(QGridLayout& grid, const std::string& label,
                             tk73editor::ChoiceItem& choice) {
    choice.SetFrameless();
    PlaceRow(grid, label, choice.Control());
}

TaxRateItem& TaxPageSet::AddRate(tk73editor::SettingPage& page, QGridLayout& grid,
                                 const std::string& label, int menuNo, int itemNo, int record) {
    TaxRateItem& rate = page.Keep<TaxRateItem>(menuNo, itemNo, record);
    const int row = grid.rowCount();
    grid.addWidget(new QLabel(tk73::toQString(label)), row, 0);
    grid.addWidget(rate.Control(), row, 1);
    grid.addWidget(new QLabel(tk73::toQString(taxText(TaxText::Percent))), row, 2);
    rates_.push_back(&rate);
    return rate;
}

bool TaxPageSet::HasItem(int menuNo, int itemNo) {
    tagPGMITEMDEF item;
    return Context().Handle().GetItemDef(&item, menuNo, itemNo, 0) == 1;
}

int TaxPageSet::TableCount(int menuNo, int fallback) {
    tagPGMITEMDEF first;
    if (Context().Handle().GetItemDef(&first, menuNo, 1, 0) && first.nRecordCount > 0) {
        return first.nRecordCount;
    }
    return fallback;
}

void TaxPageSet::TellInvalid() {
    tk73::ui().message(tk73editor::editorText(tk73editor::EditorText::InvalidValues), Title(),
                       tk73::MessageIcon::Exclamation);
}

void TaxPageSet::accept() {
    for (TaxRateItem* rate : rates_) {
        if (rate->Usable() && rate->Control()->isEnabled() && !rate->IsValid()) {
            rate->ShowReadValueAgain();
            PageSetDialog::TellInvalid(*rate, tk73::MessageIcon::Exclamation);
            return;
        }
    }
    if (CheckBeforeSave()) {
        PageSetDialog::accept();
    }
}

}  // namespace tk73tax
