#include <QLabel>
#include <QWidget>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/number_item.h"
#include "apps/editors/receipt/receipt_menus.h"
#include "apps/editors/receipt/receipt_page_sets.h"
#include "apps/editors/receipt/receipt_texts.h"
#include "base/ui/ui_text.h"

namespace tk73receipt {

namespace {

using tk73editor::ChoiceItem;

struct OptionPair {
    ReceiptText label;
    ReceiptText first;   // stands for 1
    ReceiptText second;  // stands for 0
};

// Items 1 to 8 in order.
constexpr OptionPair kOptions[] = {
    {ReceiptText::Time, ReceiptText::Printing, ReceiptText::NonPrinting},
    {ReceiptText::TimeSystem, ReceiptText::Hour24, ReceiptText::Hour12},
    {ReceiptText::ConsecutiveNo, ReceiptText::Printing, ReceiptText::NonPrinting},
    {ReceiptText::ItemCounter, ReceiptText::Yes, ReceiptText::No},
    {ReceiptText::DoubleHeight, ReceiptText::Yes, ReceiptText::No},
    {ReceiptText::JournalSkip, ReceiptText::Yes, ReceiptText::No},
    {ReceiptText::JournalCompressed, ReceiptText::Yes, ReceiptText::No},
    {ReceiptText::PaperRoll, ReceiptText::Receipt, ReceiptText::Journal}};

}  // namespace

std::unique_ptr<tk73editor::PageSetDialog> receiptJournalPageSet(
    tk73editor::PgmMenuContext& context) {
    auto set = std::make_unique<tk73editor::PageSetDialog>(
        context, receiptText(ReceiptText::ReceiptJournalTitle));
    tk73editor::SettingPage& page = set->AddPage(receiptText(ReceiptText::ReceiptJournalTitle));
    int itemNo = 0;
    for (const OptionPair& option : kOptions) {
        page.Add<ChoiceItem>(
                receiptText(option.label), ChoiceItem::Style::Options,
                std::vector<std::string>{receiptText(option.first), receiptText(option.second)},
                std::vector<int>{1, 0}, kReceiptJournalMenu, ++itemNo)
            .SetFrameless();
        if (option.label == ReceiptText::TimeSystem) {
            // Two settings govern a 12/24-hour clock; the page says which one this is.
            auto* note = new QLabel(tk73::toQString(receiptText(ReceiptText::TimeSystemNote)));
            note->setWordWrap(true);
            page.AddRow(note);
        }
    }
    QWidget* machine = page.Add<tk73editor::NumberItem>(receiptText(ReceiptText::MachineNo),
                                                        kReceiptJournalMenu, kMachineNoItem)
                           .Control();
    machine->setMaximumWidth(machine->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    page.Add<ChoiceItem>(receiptText(ReceiptText::CalendarType), ChoiceItem::Style::DropDown,
                         std::vector<std::string>{receiptText(ReceiptText::Gregorian),
                                                  receiptText(ReceiptText::JapaneseEra),
                                                  receiptText(ReceiptText::BuddhistEra)},
                         std::vector<int>{0, 1, 2}, kReceiptJournalMenu, kCalendarItem);
    return set;
}

}  // namespace tk73receipt
