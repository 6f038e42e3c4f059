#include "apps/editors/tax/register_tax_page_set.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/tax/kept_value_item.h"
#include "apps/editors/tax/tax_menus.h"
#include "apps/editors/tax/tax_texts.h"
#include "apps/editors/tax/tax_type_item.h"
#include "base/ui/ui_text.h"

namespace tk73tax {

namespace {

using tk73editor::ChoiceItem;

constexpr int kRegisterTables = 10;
constexpr int kTablesPerPage = 4;
constexpr int kTablesPerRow = 2;
// The print control rows stand under their heading.
const std::string kIndent = "    ";

ChoiceItem& printChoice(tk73editor::SettingPage& page, int itemNo, int record) {
    return page.Keep<ChoiceItem>(
        ChoiceItem::Style::Options,
        std::vector<std::string>{taxText(TaxText::Print), taxText(TaxText::NoPrint)},
        std::vector<int>{1, 0}, kTaxMenu, itemNo, record);
}

}  // namespace

RegisterTaxPageSet::RegisterTaxPageSet(tk73editor::PgmMenuContext& context)
    : TaxPageSet(context, taxText(TaxText::TaxTableTitle)) {
    const int tables = TableCount(kTaxMenu, kRegisterTables);
    for (int first = 1; first <= tables; first += kTablesPerPage) {
        const int last = std::min(first + kTablesPerPage - 1, tables);
        tk73editor::SettingPage& page = AddPage(taxText(TaxText::TableRange, first, last));
        auto* grid = new QWidget;
        auto* layout = new QGridLayout(grid);
        layout->setContentsMargins(0, 0, 0, 0);
        for (int table = first; table <= last; ++table) {
            const int place = table - first;
            layout->addWidget(Table(page, table), place / kTablesPerRow, place % kTablesPerRow,
                              Qt::AlignTop);
        }
        page.AddRow(grid);
    }
    auto* caution = new QGroupBox(tk73::toQString(taxText(TaxText::Caution)));
    auto* note = new QLabel(tk73::toQString(taxText(TaxText::CautionNote)));
    (new QVBoxLayout(caution))->addWidget(note);
    AddFooter(caution);
    HideRestoreDefaults();
}

QWidget* RegisterTaxPageSet::Table(tk73editor::SettingPage& page, int table) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = TableGroup(taxText(TaxText::TableName, table), grid);
    auto& type = page.Keep<TaxTypeItem>(kTaxMenu, kTypeItem, table);
    PlaceChoice(*grid, taxText(TaxText::CalculationTypeLower), type);
    AddRate(page, *grid, taxText(TaxText::TaxRateLower), kTaxMenu, kRateItem, table);
    auto& rounding = page.Keep<ChoiceItem>(
        ChoiceItem::Style::Options,
        std::vector<std::string>{taxText(TaxText::RoundOff), taxText(TaxText::CutOff),
                                 taxText(TaxText::RoundUp)},
        std::vector<int>{0, 1, 2}, kTaxMenu, kRoundingItem, table);
    PlaceChoice(*grid, taxText(TaxText::Rounding), rounding);
    PlaceRow(*grid, taxText(TaxText::TaDescriptor),
             page.Keep<tk73editor::TextItem>(kTaxMenu, kTaDescriptorItem, table).Control());
    PlaceRow(*grid, taxText(TaxText::TaxDescriptor),
             page.Keep<tk73editor::TextItem>(kTaxMenu, kTaxDescriptorItem, table).Control());
    grid->addWidget(new QLabel(tk73::toQString(taxText(TaxText::PrintControl))), grid->rowCount(),
                    0, 1, 3);
    PlaceChoice(*grid, kIndent + taxText(TaxText::NonTaxTotal),
                printChoice(page, kNonTaxTotalItem, table));
    PlaceChoice(*grid, kIndent + taxText(TaxText::TaxableAmount),
                printChoice(page, kTaxableAmountItem, table));
    std::vector<KeptValueItem*> otherValues;
    for (const int item : kOtherValueItems) {
        if (HasItem(kTaxMenu, item)) {
            otherValues.push_back(&page.Keep<KeptValueItem>(kTaxMenu, item, table));
        }
    }
    type.KeepOtherValues(std::move(otherValues));
    return group;
}

}  // namespace tk73tax
