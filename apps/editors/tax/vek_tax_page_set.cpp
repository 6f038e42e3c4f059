#include "apps/editors/tax/vek_tax_page_set.h"

#include <QGridLayout>
#include <QGroupBox>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/tax/tax_menus.h"
#include "apps/editors/tax/tax_texts.h"
#include "operations/active_store_info.h"
#include "programfiles/merge_setting_data_type1.h"

namespace tk73tax {

namespace {

using tk73editor::ChoiceItem;

constexpr int kTablesPerRow = 2;

}  // namespace

VekTaxPageSet::VekTaxPageSet(tk73editor::PgmMenuContext& context)
    : TaxPageSet(context, taxText(TaxText::TaxTableTitle)) {
    tk73editor::SettingPage& page = AddPage(taxText(TaxText::TaxTableTitle));
    auto* tables = new QWidget;
    auto* layout = new QGridLayout(tables);
    layout->setContentsMargins(0, 0, 0, 0);
    const int count = TableCount(kTaxMenu, kSharedTables);
    for (int table = 1; table <= count; ++table) {
        QGridLayout* grid = nullptr;
        QGroupBox* group = TableGroup(taxText(TaxText::TableName, table), grid);
        auto& type = page.Keep<ChoiceItem>(
            ChoiceItem::Style::Options,
            std::vector<std::string>{taxText(TaxText::AddIn), taxText(TaxText::AddOn)},
            std::vector<int>{0, 1}, kTaxMenu, kTypeItem, table);
        PlaceChoice(*grid, taxText(TaxText::CalculationType), type);
        AddRate(page, *grid, taxText(TaxText::TaxRate), kTaxMenu, kRateItem, table);
        auto& rounding = page.Keep<ChoiceItem>(
            ChoiceItem::Style::Options,
            std::vector<std::string>{taxText(TaxText::RoundOff), taxText(TaxText::CutOff),
                                     taxText(TaxText::RoundUp)},
            std::vector<int>{0, 1, 2}, kTaxMenu, kRoundingItem, table);
        PlaceChoice(*grid, taxText(TaxText::Rounding), rounding);
        layout->addWidget(group, (table - 1) / kTablesPerRow, (table - 1) % kTablesPerRow);
    }
    page.AddRow(tables);
    AddHelpButton();
}

void VekTaxPageSet::Saved() {
    CMergeSettingDataType1 merge(CTK73opsActiveStoreInfo().GetStore().storeNo);
    bool copied = true;
    for (int record = 1; record <= kSharedTables; ++record) {
        if (!merge.ExecuteOneRecordFromVekToReg(kTaxFile, record)) {
            copied = false;
        }
    }
    if (!copied) {
        PageSetWindow::Tell(tk73editor::editorText(tk73editor::EditorText::WriteFailed),
                            tk73::MessageIcon::Error);
    }
}

}  // namespace tk73tax
