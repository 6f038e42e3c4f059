#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/receipt/receipt_menus.h"
#include "apps/editors/receipt/receipt_page_sets.h"
#include "apps/editors/receipt/receipt_texts.h"

namespace tk73receipt {

std::unique_ptr<tk73editor::PageSetDialog> officialReceiptPageSet(
    tk73editor::PgmMenuContext& context) {
    const std::string title = receiptText(ReceiptText::OfficialReceiptTitle);
    auto set = std::make_unique<tk73editor::PageSetDialog>(context, title);
    tk73editor::SettingPage& page = set->AddPage(title);
    page.Add<tk73editor::ChoiceItem>(
            receiptText(ReceiptText::OfficialReceipt), tk73editor::ChoiceItem::Style::Options,
            std::vector<std::string>{receiptText(ReceiptText::Print),
                                     receiptText(ReceiptText::NoPrint)},
            std::vector<int>{1, 0}, kOfficialReceiptMenu, kReceiptPrintItem)
        .SetFrameless();
    page.Add<tk73editor::TextItem>(receiptText(ReceiptText::ReceiptHeading), kOfficialReceiptMenu,
                                   kReceiptTitleItem);
    tagPGMITEMDEF lines;
    if (context.Handle().GetItemDef(&lines, kOfficialReceiptMenu, kReceiptLinesItem, 0)) {
        for (int line = 0; line < lines.nRecordCount; ++line) {
            page.Add<tk73editor::TextItem>(receiptText(ReceiptText::LineLabel, line + 1),
                                           kOfficialReceiptMenu, kReceiptLinesItem,
                                           lines.nFirstRecord + line);
        }
    }
    return set;
}

}  // namespace tk73receipt
