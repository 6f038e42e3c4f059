#include "apps/editors/tax/reservation_page_set.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/tax/reservation_date.h"
#include "apps/editors/tax/tax_menus.h"
#include "apps/editors/tax/tax_texts.h"
#include "base/ui/ui_text.h"

namespace tk73tax {

namespace {

using tk73editor::ChoiceItem;

constexpr int kTablesPerRow = 2;

QLabel* note(TaxText text) {
    return new QLabel(tk73::toQString(taxText(text)));
}

}  // namespace

ReservationPageSet::ReservationPageSet(tk73editor::PgmMenuContext& context)
    : TaxPageSet(context, taxText(TaxText::ReservationTitle)) {
    tk73editor::SettingPage& page = AddPage(taxText(TaxText::ReservationTitle));
    page.AddRow(Tables(page));
    // The switches are read before the date, which needs them to show itself.
    if (HasItem(kReservationMenu, kReservationSetItem)) {
        switches_.Add(Context(), page.Keep<KeptValueItem>(kReservationMenu, kReservationSetItem),
                      {1});
    }
    if (HasItem(kReservationMenu, kReservationDoneItem)) {
        switches_.Add(Context(), page.Keep<KeptValueItem>(kReservationMenu, kReservationDoneItem),
                      {0});
    }
    if (HasItem(kReservationMenu, kReservationDateItem)) {
        date_ = &page.Keep<ReservationDateItem>(kReservationMenu, kReservationDateItem, switches_);
        group_ = &date_->Group();
    } else {
        group_ = new ReservationDateGroup(&page);
        group_->SetAvailable(false);
    }
    page.AddRow(group_);
    page.AddRow(Notes());
}

QWidget* ReservationPageSet::Tables(tk73editor::SettingPage& page) {
    auto* tables = new QWidget;
    auto* layout = new QGridLayout(tables);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int table = 1; table <= kReservedTables; ++table) {
        QGridLayout* grid = nullptr;
        QGroupBox* group = TableGroup(taxText(TaxText::TableName, table), grid);
        // Items 1, 3, 5, 7 are the types and 2, 4, 6, 8 the rates; all in the one record.
        auto& type = page.Keep<ChoiceItem>(
            ChoiceItem::Style::Options,
            std::vector<std::string>{taxText(TaxText::AddIn), taxText(TaxText::AddOn)},
            std::vector<int>{0, 1}, kReservationMenu, 2 * table - 1);
        PlaceChoice(*grid, taxText(TaxText::CalculationType), type);
        AddRate(page, *grid, taxText(TaxText::TaxRate), kReservationMenu, 2 * table, 0);
        layout->addWidget(group, (table - 1) / kTablesPerRow, (table - 1) % kTablesPerRow);
    }
    return tables;
}

QWidget* ReservationPageSet::Notes() {
    auto* notes = new QWidget;
    auto* layout = new QHBoxLayout(notes);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* unable = new QGroupBox(tk73::toQString(taxText(TaxText::UnableToReserve)));
    auto* unableLines = new QVBoxLayout(unable);
    unableLines->addWidget(note(TaxText::CannotBeProgrammed));
    unableLines->addWidget(note(TaxText::UnreservedItems));
    unableLines->addWidget(note(TaxText::ChangeAfterwards));
    unableLines->addStretch();
    auto* caution = new QGroupBox(tk73::toQString(taxText(TaxText::TypeCaution)));
    auto* cautionLines = new QVBoxLayout(caution);
    cautionLines->addWidget(note(TaxText::TypeCautionNow));
    cautionLines->addWidget(note(TaxText::TypeCautionOverwrite));
    cautionLines->addStretch();
    layout->addWidget(unable);
    layout->addWidget(caution);
    return notes;
}

bool ReservationPageSet::CheckBeforeSave() {
    if (date_ == nullptr) {
        return true;
    }
    const QDate today = QDate::currentDate();
    if (group_->Programmed() && !canReserve(group_->Date(), today)) {
        TellInvalid();
        group_->ShowNotProgrammed(today);
        group_->NotProgrammedButton()->setFocus();
        return false;
    }
    switches_.MarkProgrammed(group_->Programmed());
    return true;
}

}  // namespace tk73tax
